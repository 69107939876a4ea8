#include "patch/bufferedreader.h"

#include <QIODevice>

BufferedReader::BufferedReader(QIODevice *device, int capacity)
    : m_device(device), m_buffer(new char[capacity]), m_capacity(capacity), m_bufferStart(device->pos())
{}

bool BufferedReader::refill()
{
    const qint64 got = m_device->read(m_buffer.get(), m_capacity);
    m_bufferStart += m_end;
    m_next = 0;
    m_end = got > 0 ? int(got) : 0;
    m_failed = m_failed || got < 0;
    return m_end > 0;
}
