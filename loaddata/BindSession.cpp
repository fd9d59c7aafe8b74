#include "loaddata/BindSession.h"

#include "loaddata/CallResult.h"
#include "loaddata/CallerText.h"
#include "loaddata/FormatLimits.h"
#include "loaddata/TransferFile.h"

#include <algorithm>

namespace loaddata
{

namespace
{

bool validMode(int mode)
{
    return mode == 0 || mode == 1;
}

bool validIndex(int index, std::size_t count)
{
    return index >= 0 && std::size_t(index) < count;
}

// A caller's array of count items; a null array stands for zeros that the bind calls fill.
template <class T> bool takeItems(const T* items, int32_t count, std::vector<T>& out)
{
    if (count < 0 || count > kMaxItems)
        return false;
    if (items)
        out.assign(items, items + count);
    else
        out.assign(std::size_t(count), T{});
    return true;
}

template <class T> T* dataOrNull(std::vector<T>& items)
{
    return items.empty() ? nullptr : items.data();
}

} // namespace

int BindSession::open(const char* path, int mode, int* recordCount, int* headerCount)
{
    if (m_state != State::Closed)
        return ResultOutOfOrder;
    if (!path || !*path || !recordCount || !headerCount || !validMode(mode))
        return ResultBadArgument;
    if (mode == 1)
        return openForReading(path, recordCount, headerCount);
    if (*recordCount < 0 || *recordCount > kMaxEntries || *headerCount < 0 ||
        *headerCount > kMaxEntries)
        return ResultBadArgument;
    TransferData data;
    data.records.resize(std::size_t(*recordCount));
    m_data = std::move(data);
    m_recordSet.assign(m_data.records.size(), false);
    m_path = path;
    m_formatVersion = kTransferFileKind.currentVersion;
    m_headerCount = std::size_t(*headerCount);
    m_state = State::Writing;
    return ResultOk;
}

int BindSession::openForReading(const char* path, int* recordCount, int* headerCount)
{
    *recordCount = 0;
    *headerCount = 0;
    TransferData data;
    uint32_t formatVersion = kTransferFileKind.currentVersion;
    const FormatError error = readTransferFile(path, data, &formatVersion);
    if (error != FormatError::None && error != FormatError::Missing)
        return resultOf(error);
    // A position without transfers has no transfer file yet: nothing to read.
    m_data = std::move(data);
    m_path = path;
    m_formatVersion = formatVersion;
    m_headerCount = m_data.headers.size();
    m_state = State::Reading;
    *recordCount = int(m_data.records.size());
    *headerCount = int(m_headerCount);
    return ResultOk;
}

int BindSession::header(char* path, int mode, int* transferNumber, int* entryCount)
{
    if (!path || !transferNumber || !entryCount || !validMode(mode))
        return ResultBadArgument;
    if (mode == 1)
        return readHeader(path, transferNumber, entryCount);
    return writeHeader(path, *transferNumber, *entryCount);
}

int BindSession::readHeader(char* path, int* transferNumber, int* entryCount)
{
    if (!reading() || m_headersDone >= m_headerCount)
        return ResultOutOfOrder;
    const TransferHeader& header = m_data.headers[m_headersDone];
    if (!giveCallerText(header.sourcePath, path))
        return ResultBadArgument;
    ++m_headersDone;
    m_rowsLeft = header.rows.size();
    *transferNumber = header.transferNumber;
    *entryCount = int(header.rows.size());
    return ResultOk;
}

int BindSession::writeHeader(const char* path, int transferNumber, int entryCount)
{
    if (m_state != State::Writing || m_headersDone >= m_headerCount || m_rowsLeft > 0)
        return ResultOutOfOrder;
    TransferHeader header;
    if (!takeCallerText(path, header.sourcePath) || entryCount < 0 || entryCount > kMaxItems)
        return ResultBadArgument;
    header.transferNumber = transferNumber;
    m_data.headers.push_back(std::move(header));
    ++m_headersDone;
    m_rowsLeft = std::size_t(entryCount);
    return ResultOk;
}

int BindSession::assignmentRow(int mode, int* sourceLoad, int* ownLoad)
{
    if (!sourceLoad || !ownLoad || !validMode(mode))
        return ResultBadArgument;
    const bool fits = mode == 1 ? reading() : m_state == State::Writing;
    if (!fits || m_rowsLeft == 0)
        return ResultOutOfOrder;
    std::vector<AssignmentRow>& rows = m_data.headers[m_headersDone - 1].rows;
    if (mode == 1) {
        const AssignmentRow& row = rows[rows.size() - m_rowsLeft];
        *sourceLoad = row.sourceLoad;
        *ownLoad = row.ownLoad;
    } else {
        rows.push_back({*sourceLoad, *ownLoad});
    }
    --m_rowsLeft;
    return ResultOk;
}

int BindSession::setPathName(int i, const char* name)
{
    if (m_state != State::Writing)
        return ResultOutOfOrder;
    std::string text;
    if (!validIndex(i, m_data.records.size()) || !takeCallerText(name, text))
        return ResultBadArgument;
    m_data.records[std::size_t(i)].pathName = std::move(text);
    return ResultOk;
}

int BindSession::setRecord(int i, const BindRecord* record)
{
    if (m_state != State::Writing)
        return ResultOutOfOrder;
    if (!validIndex(i, m_data.records.size()) || !record)
        return ResultBadArgument;
    TransferRecord& target = m_data.records[std::size_t(i)];
    TransferRecord taken;
    taken.pathName = target.pathName;
    if (!takeCallerText(record->positionName, taken.positionName) ||
        !takeItems(record->trapezoids, record->trapezoidCount, taken.trapezoids) ||
        !takeItems(record->nodes, record->nodeCount, taken.nodes) ||
        !takeItems(record->refNodes, record->refNodeCount, taken.refNodes))
        return ResultBadArgument;
    taken.fields = *record;
    taken.fields.positionName = nullptr;
    taken.fields.trapezoids = nullptr;
    taken.fields.nodes = nullptr;
    taken.fields.refNodes = nullptr;
    target = std::move(taken);
    m_recordSet[std::size_t(i)] = true;
    return ResultOk;
}

int BindSession::recordFor(int mode, int i, TransferRecord*& record)
{
    const bool fits = mode == 1 ? m_state == State::ReadingRecords : m_state == State::Writing;
    if (!fits)
        return ResultOutOfOrder;
    if (!validIndex(i, m_data.records.size()))
        return ResultBadArgument;
    if (mode == 0 && !m_recordSet[std::size_t(i)])
        return ResultOutOfOrder;
    record = &m_data.records[std::size_t(i)];
    return ResultOk;
}

int BindSession::node(Nodes list, int mode, int i, int q, double* x, double* y, double* z)
{
    if (!x || !y || !z || !validMode(mode))
        return ResultBadArgument;
    TransferRecord* record = nullptr;
    const int result = recordFor(mode, i, record);
    if (result != ResultOk)
        return result;
    std::vector<NodeCoord>& nodes = list == Nodes::Nodes ? record->nodes : record->refNodes;
    if (!validIndex(q, nodes.size()))
        return ResultBadArgument;
    NodeCoord& n = nodes[std::size_t(q)];
    if (mode == 1) {
        *x = n.x;
        *y = n.y;
        *z = n.z;
    } else {
        n = {*x, *y, *z};
    }
    return ResultOk;
}

int BindSession::trapezoid(int mode, int i, int k, int* kind, double* q1, double* q2, double* x1,
                           double* x2)
{
    if (!kind || !q1 || !q2 || !x1 || !x2 || !validMode(mode))
        return ResultBadArgument;
    TransferRecord* record = nullptr;
    const int result = recordFor(mode, i, record);
    if (result != ResultOk)
        return result;
    if (!validIndex(k, record->trapezoids.size()))
        return ResultBadArgument;
    TrapezoidPiece& piece = record->trapezoids[std::size_t(k)];
    if (mode == 1) {
        *kind = piece.kind;
        *q1 = piece.q1;
        *q2 = piece.q2;
        *x1 = piece.x1;
        *x2 = piece.x2;
    } else {
        // The carried bytes came with the record and stay as they are.
        piece.kind = *kind;
        piece.q1 = *q1;
        piece.q2 = *q2;
        piece.x1 = *x1;
        piece.x2 = *x2;
    }
    return ResultOk;
}

bool BindSession::complete() const
{
    return m_headersDone == m_headerCount && m_rowsLeft == 0 &&
           std::all_of(m_recordSet.begin(), m_recordSet.end(), [](bool set) { return set; });
}

int BindSession::serialize(int mode)
{
    if (!validMode(mode))
        return ResultBadArgument;
    if (mode == 1) {
        if (!reading())
            return ResultOutOfOrder;
        m_state = State::ReadingRecords;
        return ResultOk;
    }
    if (m_state != State::Writing || !complete())
        return ResultOutOfOrder;
    const int result = resultOf(writeTransferFile(m_path, m_data));
    if (result == ResultOk)
        m_state = State::Written;
    return result;
}

int BindSession::versions(int* a, int* version) const
{
    if (!a || !version)
        return ResultBadArgument;
    if (m_state == State::Closed)
        return ResultOutOfOrder;
    *a = int(m_formatVersion);
    *version = m_data.dataVersion;
    return ResultOk;
}

BindRecord BindSession::handOut(TransferRecord& record)
{
    BindRecord out = record.fields;
    out.positionName = &record.positionName[0];
    out.trapezoidCount = int32_t(record.trapezoids.size());
    out.trapezoids = dataOrNull(record.trapezoids);
    out.nodeCount = int32_t(record.nodes.size());
    out.nodes = dataOrNull(record.nodes);
    out.refNodeCount = int32_t(record.refNodes.size());
    out.refNodes = dataOrNull(record.refNodes);
    return out;
}

int BindSession::totalCopy(BindRecord** records)
{
    if (!records)
        return ResultBadArgument;
    *records = nullptr;
    if (m_state != State::ReadingRecords)
        return ResultOutOfOrder;
    const std::size_t count = m_data.records.size();
    if (count == 0)
        return ResultOk;
    Copy copy{std::unique_ptr<BindRecord[]>(new BindRecord[count]), int(count)};
    for (std::size_t i = 0; i < count; ++i)
        copy.records[i] = handOut(m_data.records[i]);
    *records = copy.records.get();
    m_copies.push_back(std::move(copy));
    return ResultOk;
}

void BindSession::freeTotalCopy(int count, BindRecord** records)
{
    if (!records || !*records)
        return;
    const auto found = std::find_if(m_copies.begin(), m_copies.end(), [&](const Copy& copy) {
        return copy.records.get() == *records && copy.count == count;
    });
    if (found == m_copies.end())
        return;
    m_copies.erase(found);
    *records = nullptr;
}

int BindSession::pathName(int i, char* out)
{
    TransferRecord* record = nullptr;
    const int result = recordFor(1, i, record);
    if (result != ResultOk)
        return result;
    return giveCallerText(record->pathName, out) ? ResultOk : ResultBadArgument;
}

int BindSession::record(int i, BindRecord* out)
{
    if (!out)
        return ResultBadArgument;
    TransferRecord* record = nullptr;
    const int result = recordFor(1, i, record);
    if (result != ResultOk)
        return result;
    *out = handOut(*record);
    return ResultOk;
}

void BindSession::close()
{
    m_copies.clear();
    m_data = TransferData{};
    m_recordSet.clear();
    m_path.clear();
    m_formatVersion = 0;
    m_headerCount = 0;
    m_headersDone = 0;
    m_rowsLeft = 0;
    m_state = State::Closed;
}

BindSession& bindSession()
{
    static BindSession session;
    return session;
}

} // namespace loaddata
