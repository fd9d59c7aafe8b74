#include "tools/kvdata/FileDump.h"

#include "loaddata/PlanFile.h"
#include "loaddata/PositionFile.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/TransferFile.h"
#include "tools/kvdata/DumpWriter.h"

#include <cstring>
#include <fstream>
#include <windows.h>

namespace kvdata
{

namespace
{

using loaddata::FormatError;

std::string lowerName(const std::string& path)
{
    std::string name = loaddata::fileNameOf(path);
    CharLowerBuffA(&name[0], static_cast<DWORD>(name.size()));
    return name;
}

bool endsWith(const std::string& text, const char* end)
{
    const std::size_t n = std::strlen(end);
    return text.size() >= n && text.compare(text.size() - n, n, end) == 0;
}

// The zero-separated list a profile call fills.
std::vector<std::string> profileList(const char* section, const std::string& path)
{
    std::vector<char> buffer(32768);
    const DWORD length =
        section ? GetPrivateProfileSectionA(section, buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path.c_str())
                : GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 path.c_str());
    std::vector<std::string> items;
    for (DWORD i = 0; i < length; i += static_cast<DWORD>(items.back().size()) + 1)
        items.emplace_back(buffer.data() + i);
    return items;
}

bool dumpIni(const std::string& path, DumpWriter& out)
{
    if (!loaddata::fileStamp(path).exists)
        return false;
    out.beginObject("sections");
    for (const std::string& section : profileList(nullptr, path)) {
        out.beginObject(section);
        for (const std::string& entry : profileList(section.c_str(), path)) {
            const std::size_t equals = entry.find('=');
            out.field(entry.substr(0, equals),
                      equals == std::string::npos ? "" : entry.substr(equals + 1));
        }
        out.endObject();
    }
    out.endObject();
    return true;
}

bool dumpProjectList(const std::string& path, DumpWriter& out)
{
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line))
        return false;
    line.erase(line.find_last_not_of("\r\n") + 1);
    out.field("firstLine", line);
    out.field("projectDirectory", loaddata::directoryOf(line));
    return true;
}

void dumpPlanRecord(const loaddata::PlanRecord& record, std::size_t index, DumpWriter& out)
{
    out.beginObject();
    out.field("positionNumber", static_cast<int64_t>(index + 1));
    out.field("name", record.name);
    out.field("programCode", record.programCode);
    out.field("fileLetters", record.fileLetters);
    out.field("femNumber", static_cast<int32_t>(record.femNumber));
    out.field("status", record.status);
    out.field("calculated", record.status.size() > 2 && record.status[2] != '0');
    out.field("remark", record.remark);
    out.field("changesSinceCalculation", static_cast<int32_t>(record.changes));
    out.field("volume", record.volume);
    out.field("group", record.group);
    out.endObject();
}

FormatError dumpPlan(const std::string& path, DumpWriter& out)
{
    loaddata::PlanFile plan;
    const FormatError error = loaddata::readPlanFile(path, plan);
    if (error != FormatError::None)
        return error;
    out.beginObject("header");
    out.field("projectName", plan.header.projectName);
    out.field("building", plan.header.building);
    out.field("engineer", plan.header.engineer);
    out.field("created", plan.header.created);
    out.field("recordCount", static_cast<int64_t>(plan.records.size()));
    out.endObject();
    out.beginArray("positions");
    for (std::size_t k = 0; k < plan.records.size(); ++k)
        if (!plan.records[k].name.empty())
            dumpPlanRecord(plan.records[k], k, out);
    out.endArray();
    return error;
}

FormatError dumpPrograms(const std::string& path, DumpWriter& out)
{
    loaddata::ProgramNameFile file;
    const FormatError error = loaddata::readProgramNameFile(path, file);
    if (error != FormatError::None)
        return error;
    out.beginArray("programs");
    for (std::size_t i = 0; i < file.programs.size(); ++i) {
        const loaddata::ProgramRecord& program = file.programs[i];
        if (program.name.empty())
            continue;
        out.beginObject();
        out.field("number", static_cast<int64_t>(loaddata::kFirstProgramNumber + i));
        out.field("name", program.name);
        out.field("shortName", program.shortName);
        out.field("version", program.version);
        out.endObject();
    }
    out.endArray();
    return error;
}

void dumpNodes(const char* name, const std::vector<NodeCoord>& nodes, DumpWriter& out)
{
    out.beginArray(name);
    for (const NodeCoord& node : nodes) {
        out.beginObject();
        out.field("x", node.x);
        out.field("y", node.y);
        out.field("z", node.z);
        out.endObject();
    }
    out.endArray();
}

void dumpPieces(const TrapezoidPiece* pieces, std::size_t count, DumpWriter& out)
{
    out.beginArray("trapezoids");
    for (std::size_t k = 0; k < count; ++k) {
        const TrapezoidPiece& piece = pieces[k];
        out.beginObject();
        out.field("kind", piece.kind);
        out.field("q1", piece.q1);
        out.field("q2", piece.q2);
        out.field("x1", piece.x1);
        out.field("x2", piece.x2);
        std::string carried;
        for (unsigned char byte : piece.carried) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", byte);
            carried += hex;
        }
        out.field("carried", carried);
        out.endObject();
    }
    out.endArray();
}

void dumpReaction(const loaddata::Reaction& reaction, DumpWriter& out)
{
    out.field("distributed", reaction.distributed != 0);
    out.field("piecesPerComponent", reaction.piecesPerComponent);
    out.beginArray("components");
    for (std::size_t c = 0; c < reaction.components.size(); ++c) {
        const loaddata::ReactionComponent& component = reaction.components[c];
        const std::size_t per = static_cast<std::size_t>(reaction.piecesPerComponent);
        out.beginObject();
        out.field("name", component.name);
        out.field("forceKind", component.kind);
        out.field("value", component.value);
        if (per > 0 && reaction.pieces.size() >= (c + 1) * per)
            dumpPieces(reaction.pieces.data() + c * per, per, out);
        out.endObject();
    }
    out.endArray();
    dumpNodes("nodes", reaction.nodes, out);
    dumpNodes("refNodes", reaction.refNodes, out);
}

FormatError dumpLoadFile(const std::string& path, DumpWriter& out)
{
    loaddata::PositionLoadData data;
    uint32_t version = 0;
    const FormatError error = loaddata::readPositionFile(path, data, &version);
    if (error != FormatError::None)
        return error;
    out.field("formatVersion", static_cast<int64_t>(version));
    out.field("dataVersion", data.dataVersion);
    out.field("dataWord", data.dataWord);
    out.field("coordinateSystem", data.coordinateSystem);
    out.beginArray("loads");
    for (const std::string& load : data.loads)
        out.field("", load);
    out.endArray();
    out.beginArray("supports");
    for (std::size_t s = 0; s < data.supports.size(); ++s) {
        out.beginObject();
        out.field("name", data.supports[s]);
        out.beginArray("reactions");
        for (std::size_t l = 0; l < data.loads.size(); ++l) {
            out.beginObject();
            out.field("load", data.loads[l]);
            dumpReaction(data.reaction(s, l), out);
            out.endObject();
        }
        out.endArray();
        out.endObject();
    }
    out.endArray();
    return error;
}

void dumpHeaders(const loaddata::TransferData& data, DumpWriter& out)
{
    out.beginArray("headers");
    for (const loaddata::TransferHeader& header : data.headers) {
        out.beginObject();
        out.field("sourcePath", header.sourcePath);
        out.field("transferNumber", header.transferNumber);
        out.beginArray("assignments");
        for (const loaddata::AssignmentRow& row : header.rows) {
            out.beginObject();
            out.field("sourceLoad", row.sourceLoad);
            out.field("ownLoad", row.ownLoad);
            out.endObject();
        }
        out.endArray();
        out.endObject();
    }
    out.endArray();
}

void dumpRecord(const loaddata::TransferRecord& record, DumpWriter& out)
{
    const BindRecord& r = record.fields;
    out.beginObject();
    out.field("pathName", record.pathName);
    out.field("positionName", record.positionName);
    out.field("transferNumber", r.transferNumber);
    out.field("ownLoad", r.ownLoad);
    out.field("supportIndex", r.supportIndex);
    out.field("loadIndex", r.loadIndex);
    out.field("componentIndex", r.componentIndex);
    out.field("factor", r.factor);
    out.field("value", r.value);
    out.field("supportCount", r.supportCount);
    out.field("loadCount", r.loadCount);
    out.field("componentCount", r.componentCount);
    out.field("distributed", r.distributed != 0);
    out.field("projectRef", r.projectRef);
    out.field("idealisation", r.idealisation);
    out.beginArray("placement");
    for (const auto& row : r.placement) {
        out.beginObject();
        out.field("x", row[0]);
        out.field("y", row[1]);
        out.field("z", row[2]);
        out.endObject();
    }
    out.endArray();
    dumpPieces(record.trapezoids.data(), record.trapezoids.size(), out);
    dumpNodes("nodes", record.nodes, out);
    dumpNodes("refNodes", record.refNodes, out);
    out.endObject();
}

FormatError dumpTransferFile(const std::string& path, DumpWriter& out)
{
    loaddata::TransferData data;
    uint32_t version = 0;
    const FormatError error = loaddata::readTransferFile(path, data, &version);
    if (error != FormatError::None)
        return error;
    out.field("formatVersion", static_cast<int64_t>(version));
    out.field("dataVersion", data.dataVersion);
    dumpHeaders(data, out);
    out.beginArray("records");
    for (const loaddata::TransferRecord& record : data.records)
        dumpRecord(record, out);
    out.endArray();
    return error;
}

FormatError dumpByKind(const std::string& path, const std::string& name, DumpWriter& out)
{
    out.field("file", path);
    if (endsWith(name, ".ini")) {
        out.field("kind", "INI file");
        return dumpIni(path, out) ? FormatError::None : FormatError::Missing;
    }
    if (name == loaddata::kProjectListName) {
        out.field("kind", "project list");
        return dumpProjectList(path, out) ? FormatError::None : FormatError::Unreadable;
    }
    if (name == loaddata::kPlanFileName) {
        out.field("kind", "plan file");
        return dumpPlan(path, out);
    }
    if (name == loaddata::kProgramNameFileName) {
        out.field("kind", "program name file");
        return dumpPrograms(path, out);
    }
    if (endsWith(name, ".017")) {
        out.field("kind", "position load file");
        return dumpLoadFile(path, out);
    }
    out.field("kind", "transfer file");
    return dumpTransferFile(path, out);
}

} // namespace

bool dumpFile(const std::string& path, bool json, std::ostream& out)
{
    const std::string name = lowerName(path);
    const bool known = endsWith(name, ".ini") || endsWith(name, ".016") || endsWith(name, ".017") ||
                       name == loaddata::kProjectListName || name == loaddata::kPlanFileName ||
                       name == loaddata::kProgramNameFileName;
    if (!known) {
        out << path
            << ": not a file of the suite (tavenix.ini, nampr.txt, plann, pronamew, "
               ".017, .016)\n";
        return false;
    }
    DumpWriter writer(out, json);
    writer.beginObject();
    const FormatError error = dumpByKind(path, name, writer);
    if (error != FormatError::None)
        writer.field("error", loaddata::describe(error));
    writer.endObject();
    writer.finish();
    return error == FormatError::None;
}

} // namespace kvdata
