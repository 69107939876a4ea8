#pragma once

#include "patch/bufferedreader.h"
#include "patch/bufferedwriter.h"
#include "patch/jdiffprogress.h"

class QIODevice;

namespace jdiff {

// One run of the patch stream interpreter over three open devices.
class StreamApplier
{
public:
    StreamApplier(QIODevice *oldFile, QIODevice *patch, QIODevice *output, JDiffProgress *progress);

    int run();

private:
    enum class Mode { Modify, Insert };

    int interpret();
    int takeDataRun(const char *data, int count);
    int takeEscape();
    int putData(const char *data, int size);
    int deleteOld();
    int copyOld();
    int backtrackOld();
    bool seekOld(qint64 advance, qint64 back);
    int copyFromOld(qint64 length);
    void reportProgress();
    bool stopRequested() const;

    QIODevice *m_old;
    BufferedReader m_patch;
    BufferedWriter m_output;
    JDiffProgress *m_progress;
    qint64 m_patchSize;
    Mode m_mode = Mode::Modify;
    qint64 m_pendingAdvance = 0;
    qint64 m_lastProgressBlock = 0;
};

} // namespace jdiff
