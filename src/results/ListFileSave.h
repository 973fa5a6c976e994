#pragma once

#include "results/ResultsFile.h"

#include <QObject>

namespace tidewick {

// A save of a one-column list that writes one piece of it on each turn of the
// event loop, so the window keeps answering while a long list is saved. It
// ends with `finished`; deleted before that (the program ends), it leaves
// the earlier file as it was.
class ListFileSave : public QObject {
    Q_OBJECT

public:
    // Throws AppError when the file cannot be opened for writing.
    ListFileSave(const QString &header, QStringList rows, const QString &path, QObject *parent = nullptr);

signals:
    // The file is complete, or `failure` says why not.
    void finished(const QString &failure);

private:
    void writeNextPiece();

    ListFileWriter m_writer;
};

} // namespace tidewick
