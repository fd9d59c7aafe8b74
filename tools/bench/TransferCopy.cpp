#include "tools/bench/TransferCopy.h"

bool readTransfers(const std::string& file, TransferCopy* keep)
{
    int n = 0, h = 0;
    if ((InitBindData(file.c_str(), 1, &n, &h) & 0xFFFF) != 0)
        return false;
    for (int i = 0; i < h; ++i) {
        TransferCopy::Header header{};
        InitBindHeader(header.path, 1, &header.number, &header.count);
        header.rows.resize(2 * static_cast<std::size_t>(header.count));
        for (int r = 0; r < header.count; ++r)
            InitZuordTabelle(1, &header.rows[2 * r], &header.rows[2 * r + 1]);
        if (keep)
            keep->headers.push_back(header);
    }
    bool ok = (LoadBindSerializeData(1) & 0xFFFF) == 0;
    BindRecord* records = nullptr;
    if (ok && (GetTotalCopyOfBinds(&records) & 0xFFFF) == 0 && records && keep) {
        for (int i = 0; i < n; ++i) {
            const BindRecord& r = records[i];
            char name[264] = "";
            GetIPathName(i, name);
            keep->records.push_back(r);
            keep->pathNames.push_back(name);
            keep->nodes.emplace_back(r.nodes, r.nodes + r.nodeCount);
            keep->refNodes.emplace_back(r.refNodes, r.refNodes + r.refNodeCount);
            keep->pieces.emplace_back(r.trapezoids, r.trapezoids + r.trapezoidCount);
        }
    }
    if (records)
        FreeTotalCopyOfBinds(n, &records);
    LoadBindFree();
    return ok;
}

bool writeTransfers(const std::string& file, TransferCopy& copy)
{
    int n = static_cast<int>(copy.records.size());
    int h = static_cast<int>(copy.headers.size());
    if ((InitBindData(file.c_str(), 0, &n, &h) & 0xFFFF) != 0)
        return false;
    for (TransferCopy::Header& header : copy.headers) {
        InitBindHeader(header.path, 0, &header.number, &header.count);
        for (int r = 0; r < header.count; ++r)
            InitZuordTabelle(0, &header.rows[2 * r], &header.rows[2 * r + 1]);
    }
    for (int i = 0; i < n; ++i) {
        BindRecord& r = copy.records[i];
        r.nodes = copy.nodes[i].data();
        r.refNodes = copy.refNodes[i].data();
        r.trapezoids = copy.pieces[i].empty() ? nullptr : copy.pieces[i].data();
        SetIPathName(i, copy.pathNames[i].c_str());
        SetIBindStructData(i, &r);
        for (NodeCoord& q : copy.nodes[i])
            BindNodeCoords(0, i, static_cast<int>(&q - copy.nodes[i].data()), &q.x, &q.y, &q.z);
        for (NodeCoord& q : copy.refNodes[i])
            BindRefNodeCoords(0, i, static_cast<int>(&q - copy.refNodes[i].data()), &q.x, &q.y,
                              &q.z);
        for (TrapezoidPiece& p : copy.pieces[i])
            BindTrapezoidLoad(0, i, static_cast<int>(&p - copy.pieces[i].data()), &p.kind, &p.q1,
                              &p.q2, &p.x1, &p.x2);
    }
    const bool ok = (LoadBindSerializeData(0) & 0xFFFF) == 0;
    LoadBindFree();
    return ok;
}
