#pragma once

#include <QtGlobal>

#include <memory>

class QIODevice;

// Reads a device through a buffer of its own, so that a stream consumed byte by byte costs one device
// call per buffer rather than per byte.
class BufferedReader
{
public:
    BufferedReader(QIODevice *device, int capacity);

    int next()
    {
        if (m_next == m_end && !refill())
            return -1;
        return static_cast<uchar>(m_buffer[m_next++]);
    }
    // The bytes buffered from the current position on; empty only at the end of the stream.
    const char *available(int &count)
    {
        if (m_next == m_end)
            refill();
        count = m_end - m_next;
        return m_buffer.get() + m_next;
    }
    void consume(int count) { m_next += count; }
    qint64 position() const { return m_bufferStart + m_next; }
    bool failed() const { return m_failed; }

private:
    bool refill();

    QIODevice *m_device;
    std::unique_ptr<char[]> m_buffer;
    int m_capacity;
    int m_next = 0;
    int m_end = 0;
    qint64 m_bufferStart;
    bool m_failed = false;
};
