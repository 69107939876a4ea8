#include "patch/bufferedwriter.h"

#include <QIODevice>

#include <cstring>

BufferedWriter::BufferedWriter(QIODevice *device, int capacity)
    : m_device(device), m_buffer(new char[capacity]), m_capacity(capacity)
{}

bool BufferedWriter::write(const char *data, qint64 size)
{
    if (m_used + size > m_capacity && !flush())
        return false;
    if (size >= m_capacity)
        return m_device->write(data, size) == size;
    std::memcpy(m_buffer.get() + m_used, data, size_t(size));
    m_used += size;
    return true;
}

char *BufferedWriter::space(qint64 minimum, qint64 &room)
{
    if (m_capacity - m_used < minimum && !flush()) {
        room = 0;
        return nullptr;
    }
    room = m_capacity - m_used;
    return m_buffer.get() + m_used;
}

bool BufferedWriter::flush()
{
    const qint64 size = m_used;
    m_used = 0;
    return size == 0 || m_device->write(m_buffer.get(), size) == size;
}
