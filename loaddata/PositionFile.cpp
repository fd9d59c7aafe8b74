#include "loaddata/PositionFile.h"

#include "loaddata/ByteReader.h"
#include "loaddata/ByteWriter.h"
#include "loaddata/FileIo.h"
#include "loaddata/FormatLimits.h"
#include "loaddata/RecordCodec.h"

namespace loaddata
{

const FileKind kPositionFileKind = {{'L', 'D', 'P', 'F'}, 1, 1};

namespace
{

// The smallest a reaction can be on disk: five counts and the flag, all empty.
constexpr std::size_t kMinReactionBytes = 5 * 4;
constexpr std::size_t kMinComponentBytes = 4 + 4 + 8;

bool validTexts(const std::vector<std::string>& texts)
{
    if (texts.size() > std::size_t(kMaxEntries))
        return false;
    for (const std::string& text : texts) {
        if (text.size() > kMaxTextLength || text.find('\0') != std::string::npos)
            return false;
    }
    return true;
}

bool validReaction(const Reaction& reaction)
{
    const std::size_t m = reaction.components.size();
    if (m > std::size_t(kMaxEntries) || reaction.piecesPerComponent < 0 ||
        reaction.piecesPerComponent > kMaxItems ||
        reaction.pieces.size() != m * std::size_t(reaction.piecesPerComponent) ||
        reaction.pieces.size() > std::size_t(kMaxItems) ||
        reaction.nodes.size() > std::size_t(kMaxItems) ||
        reaction.refNodes.size() > std::size_t(kMaxItems))
        return false;
    for (const ReactionComponent& component : reaction.components) {
        if (component.name.size() > kMaxTextLength ||
            component.name.find('\0') != std::string::npos)
            return false;
    }
    return true;
}

bool validData(const PositionLoadData& data)
{
    if (!validTexts(data.supports) || !validTexts(data.loads) ||
        data.reactions.size() != data.supports.size() * data.loads.size())
        return false;
    for (const Reaction& reaction : data.reactions) {
        if (!validReaction(reaction))
            return false;
    }
    return true;
}

void writeTexts(ByteWriter& writer, const std::vector<std::string>& texts)
{
    writer.u32(uint32_t(texts.size()));
    for (const std::string& text : texts)
        writer.text(text);
}

bool readTexts(ByteReader& reader, std::vector<std::string>& texts)
{
    int32_t count = 0;
    if (!reader.count(count, 4) || count > kMaxEntries)
        return reader.fail();
    texts.resize(std::size_t(count));
    for (std::string& text : texts) {
        if (!reader.text(text, kMaxTextLength))
            return false;
    }
    return true;
}

void writeReaction(ByteWriter& writer, const Reaction& reaction)
{
    writer.u32(uint32_t(reaction.components.size()));
    for (const ReactionComponent& component : reaction.components) {
        writer.text(component.name);
        writer.i32(component.kind);
        writer.f64(component.value);
    }
    writer.i32(reaction.distributed);
    writer.i32(reaction.piecesPerComponent);
    writePieces(writer, reaction.pieces);
    writeNodes(writer, reaction.nodes);
    writeNodes(writer, reaction.refNodes);
}

bool readReaction(ByteReader& reader, Reaction& reaction)
{
    int32_t m = 0;
    if (!reader.count(m, kMinComponentBytes) || m > kMaxEntries)
        return reader.fail();
    reaction.components.resize(std::size_t(m));
    for (ReactionComponent& component : reaction.components) {
        if (!reader.text(component.name, kMaxTextLength) || !reader.i32(component.kind) ||
            !reader.f64(component.value))
            return false;
    }
    if (!reader.i32(reaction.distributed) || !reader.i32(reaction.piecesPerComponent) ||
        !readPieces(reader, reaction.pieces) || !readNodes(reader, reaction.nodes) ||
        !readNodes(reader, reaction.refNodes))
        return false;
    return validReaction(reaction) || reader.fail();
}

} // namespace

FormatError encodePositionFile(const PositionLoadData& data, std::vector<unsigned char>& file)
{
    if (!validData(data))
        return FormatError::InvalidData;
    ByteWriter writer;
    writer.i32(data.dataVersion);
    writer.i32(data.dataWord);
    writer.i32(data.coordinateSystem);
    writeTexts(writer, data.supports);
    writeTexts(writer, data.loads);
    for (const Reaction& reaction : data.reactions)
        writeReaction(writer, reaction);
    file = sealContent(kPositionFileKind, writer.data());
    return FormatError::None;
}

FormatError decodePositionFile(const std::vector<unsigned char>& file, PositionLoadData& data,
                               uint32_t* formatVersion)
{
    EnvelopeContent content;
    const FormatError error = openEnvelope(kPositionFileKind, file, content);
    if (error != FormatError::None)
        return error;
    ByteReader reader(content.data, content.size);
    PositionLoadData read;
    if (!reader.i32(read.dataVersion) || !reader.i32(read.dataWord) ||
        !reader.i32(read.coordinateSystem) || !readTexts(reader, read.supports) ||
        !readTexts(reader, read.loads))
        return FormatError::BadContent;
    const uint64_t blocks = uint64_t(read.supports.size()) * read.loads.size();
    if (!reader.canHold(blocks, kMinReactionBytes))
        return FormatError::BadContent;
    read.reactions.resize(std::size_t(blocks));
    for (Reaction& reaction : read.reactions) {
        if (!readReaction(reader, reaction))
            return FormatError::BadContent;
    }
    if (!reader.atEnd() || read.dataVersion < 0)
        return FormatError::BadContent;
    data = std::move(read);
    if (formatVersion)
        *formatVersion = content.version;
    return FormatError::None;
}

FormatError readPositionFile(const std::string& path, PositionLoadData& data,
                             uint32_t* formatVersion)
{
    return readDecoded(path, data, formatVersion, decodePositionFile);
}

FormatError writePositionFile(const std::string& path, const PositionLoadData& data)
{
    return saveEncoded(path, data, encodePositionFile);
}

} // namespace loaddata
