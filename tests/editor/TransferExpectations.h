// What a transfer read back must have kept of the transfer that was written.
#pragma once

class KVItem;

// Supports, loads and components: names, selections, own loads of selected loads,
// factors, idealisations, values and piece counts.
void ExpectSameTree(const KVItem& a, const KVItem& b);
// The tree, number, name, project, position, placement and load assignment list; b valid.
void ExpectSameTransfer(const KVItem& a, const KVItem& b);
