// Counts the default beeps (MessageBeep) that the code linked into this test program
// sounds while the counter lives: the program's import of MessageBeep is pointed at a
// counter (nothing is sounded) and restored afterwards.
#pragma once

class BeepCounter
{
  public:
    BeepCounter();
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    // False when the program does not import MessageBeep: then nothing is counted.
    bool Installed() const { return m_pSlot != nullptr; }
    // Beeps since construction, from any thread.
    int Count() const;

  private:
    void** m_pSlot = nullptr;
    void* m_pOriginal = nullptr;
};
