#pragma once

#include <QString>

namespace tidewick {

// What is wrong with a news service address, or the empty text when it is a
// usable HOST[:PORT]: a DNS name, an IPv4 address or an IPv6 address in
// brackets, with an optional port from 1 to 65535. Nothing else is taken (no
// scheme, path, user part, blanks or control characters), since the address
// becomes part of every request curl is given.
QString newsHostProblem(const QString &address);

// True when a usable address names its host by number (IPv4 or IPv6), which
// a country code cannot be put in front of.
bool newsHostIsAddress(const QString &address);

} // namespace tidewick
