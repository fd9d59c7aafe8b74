#pragma once
// 8-bit string in the ANSI code page, with the operations the module uses.

#include <windows.h>

#include <string>

class CString
{
  public:
    CString() = default;
    CString(LPCSTR text) : m_str(text ? text : "") {}
    CString(LPCSTR text, int length);
    explicit CString(char ch, int repeat = 1);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }
    // Index 0 to GetLength() (the terminating zero); anything else throws.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }

    CString& operator=(LPCSTR text);
    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);

    // Byte-wise comparison giving -1, 0 or 1.
    int Compare(LPCSTR text) const;

    void Format(LPCSTR format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void FormatV(LPCSTR format, va_list args);
    // Loads a string resource from the current resource handle; false when missing or empty.
    BOOL LoadString(UINT id);

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    // Return -1 when not found; a start outside the string finds nothing.
    int Find(char ch, int start = 0) const;
    int ReverseFind(char ch) const;

    CString& MakeUpper();
    // Without argument: white space (blank, tab, CR, LF, VT, FF).
    CString& TrimRight() { return TrimRight(WhiteSpace); }
    CString& TrimRight(char target) { return TrimRight(CString(target)); }
    CString& TrimRight(LPCSTR targets);

    // A writable buffer of at least minLength characters plus the terminating zero.
    LPSTR GetBuffer(int minLength);
    // The length is newLength, clamped to the buffer.
    void ReleaseBuffer(int newLength);

  private:
    static constexpr char WhiteSpace[] = " \t\r\n\v\f";
    std::string m_str;
};

inline bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}
inline bool operator!=(const CString& a, const CString& b)
{
    return a.Compare(b) != 0;
}
inline bool operator==(const CString& a, LPCSTR b)
{
    return a.Compare(b) == 0;
}
inline bool operator!=(const CString& a, LPCSTR b)
{
    return a.Compare(b) != 0;
}
// Ordering, adding a single character and comparisons with the C string first are not
// offered: deleted, so that the conversion to LPCSTR cannot quietly turn them into a
// comparison or arithmetic of pointers.
bool operator==(LPCSTR a, const CString& b) = delete;
bool operator!=(LPCSTR a, const CString& b) = delete;
bool operator<(const CString& a, LPCSTR b) = delete;
bool operator<(LPCSTR a, const CString& b) = delete;
bool operator>(const CString& a, LPCSTR b) = delete;
bool operator>(LPCSTR a, const CString& b) = delete;
bool operator<=(const CString& a, LPCSTR b) = delete;
bool operator<=(LPCSTR a, const CString& b) = delete;
bool operator>=(const CString& a, LPCSTR b) = delete;
bool operator>=(LPCSTR a, const CString& b) = delete;
CString operator+(const CString& a, char b) = delete;
CString operator+(char a, const CString& b) = delete;
