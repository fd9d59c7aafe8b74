#include "loaddata/TransferFile.h"

#include "loaddata/ByteReader.h"
#include "loaddata/ByteWriter.h"
#include "loaddata/FileIo.h"
#include "loaddata/FormatLimits.h"
#include "loaddata/RecordCodec.h"

namespace loaddata
{

const FileKind kTransferFileKind = {{'L', 'D', 'T', 'F'}, 1, 1};

namespace
{

constexpr std::size_t kMinHeaderBytes = 4 + 4 + 4;
constexpr std::size_t kRowBytes = 8;
constexpr std::size_t kMinRecordBytes =
    7 * 4 + 2 * 8 + 4 + 4 * 4 + 4 + 2 * 4 + 4 + 4 + 9 * 8 + 4 + 4;

bool validText(const std::string& text)
{
    return text.size() <= kMaxTextLength && text.find('\0') == std::string::npos;
}

bool validData(const TransferData& data)
{
    if (data.dataVersion < 0 || data.dataVersion > kCurrentTransferVersion ||
        data.headers.size() > std::size_t(kMaxEntries) ||
        data.records.size() > std::size_t(kMaxEntries))
        return false;
    for (const TransferHeader& header : data.headers) {
        if (!validText(header.sourcePath) || header.rows.size() > std::size_t(kMaxItems))
            return false;
    }
    for (const TransferRecord& record : data.records) {
        if (!validText(record.positionName) || !validText(record.pathName) ||
            record.trapezoids.size() > std::size_t(kMaxItems) ||
            record.nodes.size() > std::size_t(kMaxItems) ||
            record.refNodes.size() > std::size_t(kMaxItems))
            return false;
    }
    return true;
}

void writeHeader(ByteWriter& writer, const TransferHeader& header)
{
    writer.text(header.sourcePath);
    writer.i32(header.transferNumber);
    writer.u32(uint32_t(header.rows.size()));
    for (const AssignmentRow& row : header.rows) {
        writer.i32(row.sourceLoad);
        writer.i32(row.ownLoad);
    }
}

bool readHeader(ByteReader& reader, TransferHeader& header)
{
    int32_t rows = 0;
    if (!reader.text(header.sourcePath, kMaxTextLength) || !reader.i32(header.transferNumber) ||
        !reader.count(rows, kRowBytes) || rows > kMaxItems)
        return reader.fail();
    header.rows.resize(std::size_t(rows));
    for (AssignmentRow& row : header.rows) {
        if (!reader.i32(row.sourceLoad) || !reader.i32(row.ownLoad))
            return false;
    }
    return true;
}

void writeRecord(ByteWriter& writer, const TransferRecord& record)
{
    const BindRecord& f = record.fields;
    for (int32_t value : {f.ownLoad, f.reserved1, f.reserved2, f.transferNumber, f.supportIndex,
                          f.loadIndex, f.componentIndex})
        writer.i32(value);
    writer.f64(f.factor);
    writer.f64(f.value);
    writer.text(record.positionName);
    for (int32_t value : {f.supportCount, f.componentCount, f.loadCount, f.distributed})
        writer.i32(value);
    writePieces(writer, record.trapezoids);
    writer.i32(f.projectRef);
    writer.i32(f.reserved3);
    writeNodes(writer, record.nodes);
    writeNodes(writer, record.refNodes);
    for (const auto& point : f.placement) {
        for (double coordinate : point)
            writer.f64(coordinate);
    }
    writer.i32(f.idealisation);
    writer.text(record.pathName);
}

bool readRecord(ByteReader& reader, TransferRecord& record)
{
    BindRecord& f = record.fields;
    for (int32_t* value : {&f.ownLoad, &f.reserved1, &f.reserved2, &f.transferNumber,
                           &f.supportIndex, &f.loadIndex, &f.componentIndex})
        reader.i32(*value);
    reader.f64(f.factor);
    reader.f64(f.value);
    reader.text(record.positionName, kMaxTextLength);
    for (int32_t* value : {&f.supportCount, &f.componentCount, &f.loadCount, &f.distributed})
        reader.i32(*value);
    if (!readPieces(reader, record.trapezoids))
        return false;
    reader.i32(f.projectRef);
    reader.i32(f.reserved3);
    if (!readNodes(reader, record.nodes) || !readNodes(reader, record.refNodes))
        return false;
    for (auto& point : f.placement) {
        for (double& coordinate : point)
            reader.f64(coordinate);
    }
    reader.i32(f.idealisation);
    reader.text(record.pathName, kMaxTextLength);
    f.trapezoidCount = int32_t(record.trapezoids.size());
    f.nodeCount = int32_t(record.nodes.size());
    f.refNodeCount = int32_t(record.refNodes.size());
    return reader.ok();
}

} // namespace

FormatError encodeTransferFile(const TransferData& data, std::vector<unsigned char>& file)
{
    if (!validData(data))
        return FormatError::InvalidData;
    ByteWriter writer;
    writer.i32(data.dataVersion);
    writer.u32(uint32_t(data.headers.size()));
    for (const TransferHeader& header : data.headers)
        writeHeader(writer, header);
    writer.u32(uint32_t(data.records.size()));
    for (const TransferRecord& record : data.records)
        writeRecord(writer, record);
    file = sealContent(kTransferFileKind, writer.data());
    return FormatError::None;
}

FormatError decodeTransferFile(const std::vector<unsigned char>& file, TransferData& data,
                               uint32_t* formatVersion)
{
    EnvelopeContent content;
    const FormatError error = openEnvelope(kTransferFileKind, file, content);
    if (error != FormatError::None)
        return error;
    ByteReader reader(content.data, content.size);
    TransferData read;
    int32_t headers = 0;
    if (!reader.i32(read.dataVersion) || !reader.count(headers, kMinHeaderBytes) ||
        headers > kMaxEntries)
        return FormatError::BadContent;
    if (read.dataVersion < 0 || read.dataVersion > kCurrentTransferVersion)
        return FormatError::BadVersion;
    read.headers.resize(std::size_t(headers));
    for (TransferHeader& header : read.headers) {
        if (!readHeader(reader, header))
            return FormatError::BadContent;
    }
    int32_t records = 0;
    if (!reader.count(records, kMinRecordBytes) || records > kMaxEntries)
        return FormatError::BadContent;
    read.records.resize(std::size_t(records));
    for (TransferRecord& record : read.records) {
        if (!readRecord(reader, record))
            return FormatError::BadContent;
    }
    if (!reader.atEnd())
        return FormatError::BadContent;
    data = std::move(read);
    if (formatVersion)
        *formatVersion = content.version;
    return FormatError::None;
}

FormatError readTransferFile(const std::string& path, TransferData& data, uint32_t* formatVersion)
{
    return readDecoded(path, data, formatVersion, decodeTransferFile);
}

FormatError writeTransferFile(const std::string& path, const TransferData& data)
{
    return saveEncoded(path, data, encodeTransferFile);
}

} // namespace loaddata
