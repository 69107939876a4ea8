#pragma once

#include <QString>

// What the footer shows for one progress report of the update (see AutoUpdate::updateProgress).
struct UpdateProgressView
{
    bool indeterminate = true;
    // The bar's value in 0..1000000; only meaningful when determinate.
    int value = 0;
    // False for reports whose action has no texts of its own: the footer keeps its texts.
    bool setsTexts = false;
    QString status;
    QString detail;
    bool pauseVisible = false;
};

// The progress bar's scale: the report's fraction 0..1 becomes 0..BarMaximum.
constexpr int ProgressBarMaximum = 1000000;

// action is an UpdateProgress::Action code; hasTorrents whether the update's torrent session holds a
// torrent (only then can the player pause the file check or the download).
UpdateProgressView updateProgressView(const QString &message, int action, float progress, qint64 total,
                                      qint64 current, qint64 rate, bool hasTorrents);

// "1.20 MB/3.00 GB (512 kB/s)"; the bracketed rate only while something arrives.
QString downloadDetail(qint64 current, qint64 total, qint64 rate);
