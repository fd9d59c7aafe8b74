// The open transfer file of the bind calls: one at a time, from InitBindData to
// LoadBindFree, read whole on opening or written whole by LoadBindSerializeData. Every call
// checks its arguments and whether it fits the session's state; results follow CallResult.
#pragma once

#include "loaddata/TransferData.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace loaddata
{

class BindSession
{
  public:
    enum class Nodes { Nodes, RefNodes };

    int open(const char* path, int mode, int* recordCount, int* headerCount);
    int header(char* path, int mode, int* transferNumber, int* entryCount);
    int assignmentRow(int mode, int* sourceLoad, int* ownLoad);
    int setPathName(int i, const char* name);
    int setRecord(int i, const BindRecord* record);
    int node(Nodes list, int mode, int i, int q, double* x, double* y, double* z);
    int trapezoid(int mode, int i, int k, int* kind, double* q1, double* q2, double* x1,
                  double* x2);
    int serialize(int mode);
    int versions(int* a, int* version) const;
    int totalCopy(BindRecord** records);
    void freeTotalCopy(int count, BindRecord** records);
    int pathName(int i, char* out);
    int record(int i, BindRecord* out);
    void close();

  private:
    enum class State {
        Closed,
        Reading,        // headers and rows can be read
        ReadingRecords, // the records too
        Writing,
        Written,
    };
    struct Copy {
        std::unique_ptr<BindRecord[]> records;
        int count;
    };

    bool reading() const { return m_state == State::Reading || m_state == State::ReadingRecords; }
    // Finds record i for a call in the given direction; a result other than ResultOk when
    // the call does not fit.
    int recordFor(int mode, int i, TransferRecord*& record);
    bool complete() const;
    int openForReading(const char* path, int* recordCount, int* headerCount);
    int readHeader(char* path, int* transferNumber, int* entryCount);
    int writeHeader(const char* path, int transferNumber, int entryCount);
    BindRecord handOut(TransferRecord& record);

    State m_state = State::Closed;
    std::string m_path;
    TransferData m_data;
    uint32_t m_formatVersion = 0;
    std::size_t m_headerCount = 0; // headers in the file, or to be written
    std::size_t m_headersDone = 0; // headers read or written so far
    std::size_t m_rowsLeft = 0;    // rows of the last of them still to be read or written
    std::vector<bool> m_recordSet; // writing: which records were handed in
    std::vector<Copy> m_copies;    // arrays handed out by totalCopy
};

// The session of the C interface.
BindSession& bindSession();

} // namespace loaddata
