#pragma once

namespace tidewick {

// What started a fetch run: the countdown, the start-up or the switch of
// automatic fetching (scheduled), or the test button, whose runs have a
// small fixed share and stop for good once they have found two articles.
enum class FetchKind { Scheduled, Test };

} // namespace tidewick
