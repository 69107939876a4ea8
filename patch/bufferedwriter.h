#pragma once

#include <QtGlobal>

#include <memory>

class QIODevice;

// Collects small writes into blocks of its own capacity before they reach the device.
class BufferedWriter
{
public:
    BufferedWriter(QIODevice *device, int capacity);

    bool write(const char *data, qint64 size);
    // Free room at the end of the buffer, at least minimum bytes (flushing first when needed), to be
    // filled directly and then committed.
    char *space(qint64 minimum, qint64 &room);
    void commit(qint64 size) { m_used += size; }
    bool flush();

private:
    QIODevice *m_device;
    std::unique_ptr<char[]> m_buffer;
    qint64 m_capacity;
    qint64 m_used = 0;
};
