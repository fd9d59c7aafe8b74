// Counts the default beeps (MessageBeep) of this program's code while it lives, by
// redirecting the program's import of MessageBeep: a beep is otherwise not observable.
#pragma once

class BeepCounter
{
  public:
    BeepCounter();
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    int Count() const;
};
