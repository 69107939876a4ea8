#include "patch/sevenzipfolders.h"

#include <QFile>
#include <QtEndian>

#include <lzma.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

constexpr qint64 SignatureHeaderSize = 32;
// Far above the header of any game release; a larger one is read by the unpacker alone.
constexpr qint64 MaxHeaderSize = 64 * 1024 * 1024;
constexpr int MaxCoders = 64;
constexpr int MaxItems = 1 << 20;
const QByteArray Signature = QByteArray::fromHex("377abcaf271c");
const QByteArray LzmaCoder = QByteArray::fromHex("030101");
const QByteArray Lzma2Coder = QByteArray::fromHex("21");

enum Property : quint64 {
    End = 0x00,
    Header = 0x01,
    ArchiveProperties = 0x02,
    MainStreamsInfo = 0x04,
    FilesInfo = 0x05,
    PackInfo = 0x06,
    UnpackInfo = 0x07,
    SubStreamsInfo = 0x08,
    Size = 0x09,
    Crc = 0x0A,
    Folder = 0x0B,
    CodersUnpackSize = 0x0C,
    NumUnpackStream = 0x0D,
    EmptyStream = 0x0E,
    EncodedHeader = 0x17,
};

// The header's structures, read with every length checked: a read past the end marks the reader
// failed and yields zeros, so a damaged header can only end the reading.
class HeaderReader
{
public:
    explicit HeaderReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool failed() const { return m_failed; }
    bool fail() { return !(m_failed = true); }
    qint64 remaining() const { return m_bytes.size() - m_position; }

    quint8 byte()
    {
        if (remaining() < 1) {
            fail();
            return 0;
        }
        return quint8(m_bytes.at(int(m_position++)));
    }

    // The format's variable-length number: the leading one bits of the first byte count the bytes
    // that follow (least significant first); its other bits are the highest part.
    quint64 number()
    {
        const quint8 first = byte();
        quint64 value = 0;
        quint8 mask = 0x80;
        for (int i = 0; i < 8; ++i) {
            if ((first & mask) == 0)
                return value | (quint64(first & (mask - 1)) << (8 * i));
            value |= quint64(byte()) << (8 * i);
            mask >>= 1;
        }
        return value;
    }

    // A number of things described in what follows: each takes at least one bit, and more than
    // MaxItems is no archive worth threads (it is then unpacked in one pass).
    int count()
    {
        const quint64 value = number();
        if (value > quint64(remaining()) * 8 || value > quint64(MaxItems)) {
            fail();
            return 0;
        }
        return int(value);
    }

    QByteArray take(quint64 size)
    {
        if (size > quint64(remaining())) {
            fail();
            return QByteArray();
        }
        const QByteArray part = m_bytes.mid(int(m_position), int(size));
        m_position += qint64(size);
        return part;
    }

    void skip(quint64 size) { take(size); }

    QVector<bool> bits(int size)
    {
        QVector<bool> set(size);
        quint8 current = 0;
        for (int i = 0; i < size && !m_failed; ++i) {
            if (i % 8 == 0)
                current = byte();
            set[i] = (current & (0x80 >> (i % 8))) != 0;
        }
        return set;
    }

    // A bit for each of size things, or one byte saying that all are set.
    QVector<bool> bitsOrAll(int size) { return byte() != 0 ? QVector<bool>(size, true) : bits(size); }

    void skipDigests(int size)
    {
        const QVector<bool> defined = bitsOrAll(size);
        skip(quint64(std::count(defined.cbegin(), defined.cend(), true)) * 4);
    }

private:
    const QByteArray m_bytes;
    qint64 m_position = 0;
    bool m_failed = false;
};

struct FolderInfo
{
    QByteArray coder; // the first coder's method and properties: all a header folder may have
    QByteArray properties;
    int coders = 0;
    int outStreams = 0;
    quint64 unpackSize = 0; // of its last out stream, the whole when it has one coder
    bool crcDefined = false;
};

struct StreamsInfo
{
    quint64 packPosition = 0;
    QVector<quint64> packSizes;
    QVector<FolderInfo> folders;
    QVector<int> unpackStreams; // items in each folder
};

bool readPackInfo(HeaderReader &reader, StreamsInfo &streams)
{
    streams.packPosition = reader.number();
    const int count = reader.count();
    for (;;) {
        const quint64 id = reader.number();
        if (reader.failed() || id == End)
            return !reader.failed();
        if (id == Size) {
            for (int i = 0; i < count; ++i)
                streams.packSizes.append(reader.number());
        } else if (id == Crc) {
            reader.skipDigests(count);
        } else {
            return reader.fail();
        }
    }
}

bool readFolder(HeaderReader &reader, FolderInfo &folder)
{
    folder.coders = reader.count();
    if (folder.coders < 1 || folder.coders > MaxCoders)
        return reader.fail();
    quint64 inStreams = 0;
    quint64 outStreams = 0;
    for (int i = 0; i < folder.coders && !reader.failed(); ++i) {
        const quint8 flags = reader.byte();
        if (flags & 0x80) // alternative methods: never written by any known packer
            return reader.fail();
        const QByteArray method = reader.take(flags & 0x0F);
        const bool complex = flags & 0x10;
        inStreams += complex ? reader.number() : 1;
        outStreams += complex ? reader.number() : 1;
        const QByteArray properties = (flags & 0x20) ? reader.take(reader.number()) : QByteArray();
        if (i == 0) {
            folder.coder = method;
            folder.properties = properties;
        }
    }
    if (outStreams < 1 || outStreams > MaxCoders || inStreams > MaxCoders || inStreams < outStreams)
        return reader.fail();
    folder.outStreams = int(outStreams);
    const quint64 bindPairs = outStreams - 1;
    for (quint64 i = 0; i < bindPairs * 2; ++i)
        reader.number();
    const quint64 packedStreams = inStreams - bindPairs;
    if (packedStreams > 1) {
        for (quint64 i = 0; i < packedStreams; ++i)
            reader.number();
    }
    return !reader.failed();
}

bool readUnpackInfo(HeaderReader &reader, StreamsInfo &streams)
{
    if (reader.number() != Folder)
        return reader.fail();
    streams.folders.resize(reader.count());
    if (reader.byte() != 0) // folders kept in another stream
        return reader.fail();
    for (FolderInfo &folder : streams.folders) {
        if (!readFolder(reader, folder))
            return false;
    }
    if (reader.number() != CodersUnpackSize)
        return reader.fail();
    for (FolderInfo &folder : streams.folders) {
        for (int i = 0; i < folder.outStreams; ++i)
            folder.unpackSize = reader.number();
    }
    quint64 id = reader.number();
    if (id == Crc) {
        const QVector<bool> defined = reader.bitsOrAll(streams.folders.size());
        for (int i = 0; i < defined.size(); ++i) {
            streams.folders[i].crcDefined = defined[i];
            if (defined[i])
                reader.skip(4);
        }
        id = reader.number();
    }
    return id == End ? !reader.failed() : reader.fail();
}

bool readSubStreamsInfo(HeaderReader &reader, StreamsInfo &streams)
{
    streams.unpackStreams.fill(1, streams.folders.size());
    quint64 id = reader.number();
    if (id == NumUnpackStream) {
        for (int &items : streams.unpackStreams)
            items = reader.count();
        id = reader.number();
    }
    if (id == Size) {
        for (int items : streams.unpackStreams) {
            for (int i = 1; i < items; ++i)
                reader.number();
        }
        id = reader.number();
    }
    if (id == Crc) {
        // Items alone in a folder with a known digest have it there.
        int digests = 0;
        for (int i = 0; i < streams.folders.size(); ++i) {
            const int items = streams.unpackStreams.at(i);
            digests += items == 1 && streams.folders.at(i).crcDefined ? 0 : items;
        }
        reader.skipDigests(digests);
        id = reader.number();
    }
    return id == End ? !reader.failed() : reader.fail();
}

bool readStreamsInfo(HeaderReader &reader, StreamsInfo &streams)
{
    for (;;) {
        const quint64 id = reader.number();
        bool read = false;
        if (id == End)
            return !reader.failed();
        if (id == PackInfo)
            read = readPackInfo(reader, streams);
        else if (id == UnpackInfo)
            read = readUnpackInfo(reader, streams);
        else if (id == SubStreamsInfo)
            read = readSubStreamsInfo(reader, streams);
        if (!read)
            return reader.fail();
    }
}

// Which items have no data: the only property of the files that matters here.
bool readFilesInfo(HeaderReader &reader, QVector<bool> &empty)
{
    const int files = reader.count();
    empty.fill(false, files);
    for (;;) {
        const quint64 type = reader.number();
        if (reader.failed() || type == End)
            return !reader.failed();
        const QByteArray data = reader.take(reader.number());
        if (type == EmptyStream) {
            HeaderReader bits(data);
            empty = bits.bits(files);
            if (bits.failed())
                return reader.fail();
        }
    }
}

// The data items take the folders' streams in order.
QVector<int> assignFolders(const StreamsInfo &streams, const QVector<bool> &empty)
{
    const qint64 dataItems = std::count(empty.cbegin(), empty.cend(), false);
    if (std::accumulate(streams.unpackStreams.cbegin(), streams.unpackStreams.cend(), qint64(0)) != dataItems)
        return QVector<int>();
    QVector<int> folders(empty.size(), -1);
    int folder = -1;
    int left = 0;
    for (int i = 0; i < empty.size(); ++i) {
        if (empty.at(i))
            continue;
        while (left == 0)
            left = streams.unpackStreams.at(++folder);
        folders[i] = folder;
        --left;
    }
    return folders;
}

QByteArray decodeHeader(const StreamsInfo &streams, const QByteArray &packed)
{
    if (streams.folders.size() != 1 || streams.folders.first().coders != 1)
        return QByteArray();
    const FolderInfo &folder = streams.folders.first();
    lzma_filter filters[2] = {{LZMA_VLI_UNKNOWN, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (folder.coder == LzmaCoder)
        filters[0].id = LZMA_FILTER_LZMA1;
    else if (folder.coder == Lzma2Coder)
        filters[0].id = LZMA_FILTER_LZMA2;
    else
        return QByteArray();
    if (folder.unpackSize == 0 || folder.unpackSize > quint64(MaxHeaderSize) ||
        lzma_properties_decode(&filters[0], nullptr,
                               reinterpret_cast<const uint8_t *>(folder.properties.constData()),
                               size_t(folder.properties.size())) != LZMA_OK)
        return QByteArray();
    QByteArray header(int(folder.unpackSize), Qt::Uninitialized);
    lzma_stream stream = LZMA_STREAM_INIT;
    lzma_ret result = lzma_raw_decoder(&stream, filters);
    free(filters[0].options);
    if (result != LZMA_OK)
        return QByteArray();
    stream.next_in = reinterpret_cast<const uint8_t *>(packed.constData());
    stream.avail_in = size_t(packed.size());
    stream.next_out = reinterpret_cast<uint8_t *>(header.data());
    stream.avail_out = size_t(header.size());
    // LZMA without an end mark stops where the output is whole.
    do
        result = lzma_code(&stream, LZMA_FINISH);
    while (result == LZMA_OK && stream.avail_out > 0 && stream.avail_in > 0);
    const bool whole = stream.avail_out == 0 && (result == LZMA_OK || result == LZMA_STREAM_END);
    lzma_end(&stream);
    return whole ? header : QByteArray();
}

QByteArray readAt(QFile &file, quint64 position, quint64 size)
{
    if (position > quint64(file.size()) || size > quint64(file.size()) - position ||
        size > quint64(MaxHeaderSize) || !file.seek(qint64(position)))
        return QByteArray();
    const QByteArray bytes = file.read(qint64(size));
    return bytes.size() == qint64(size) ? bytes : QByteArray();
}

} // namespace

namespace SevenZipFolders {

QVector<int> itemFoldersOfHeader(const QByteArray &header)
{
    HeaderReader reader(header);
    if (reader.number() != Header)
        return QVector<int>();
    StreamsInfo streams;
    QVector<bool> empty;
    for (;;) {
        const quint64 id = reader.number();
        bool read = false;
        if (id == End)
            break;
        if (id == ArchiveProperties) {
            for (quint64 type = reader.number(); type != End && !reader.failed(); type = reader.number())
                reader.skip(reader.number());
            read = !reader.failed();
        } else if (id == MainStreamsInfo) {
            read = readStreamsInfo(reader, streams);
        } else if (id == FilesInfo) {
            read = readFilesInfo(reader, empty);
        }
        if (!read)
            return QVector<int>();
    }
    if (streams.unpackStreams.isEmpty())
        streams.unpackStreams.fill(1, streams.folders.size());
    return assignFolders(streams, empty);
}

QVector<int> itemFolders(const QString &archivePath)
{
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return QVector<int>();
    const QByteArray start = file.read(SignatureHeaderSize);
    if (start.size() != SignatureHeaderSize || !start.startsWith(Signature))
        return QVector<int>();
    const quint64 offset = qFromLittleEndian<quint64>(start.constData() + 12);
    const quint64 size = qFromLittleEndian<quint64>(start.constData() + 20);
    if (offset > quint64(file.size()))
        return QVector<int>();
    QByteArray header = readAt(file, quint64(SignatureHeaderSize) + offset, size);
    if (header.isEmpty() || quint8(header.at(0)) != EncodedHeader)
        return itemFoldersOfHeader(header);
    HeaderReader reader(header);
    reader.byte();
    StreamsInfo streams;
    if (!readStreamsInfo(reader, streams) || streams.packSizes.size() != 1)
        return QVector<int>();
    const QByteArray packed =
        readAt(file, quint64(SignatureHeaderSize) + streams.packPosition, streams.packSizes.first());
    return packed.isEmpty() ? QVector<int>() : itemFoldersOfHeader(decodeHeader(streams, packed));
}

} // namespace SevenZipFolders
