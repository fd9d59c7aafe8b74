#include "framework/CString.h"

#include "framework/CInvalidArgException.h"
#include "framework/GrowingText.h"
#include "framework/ModuleState.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace
{

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

std::string Upper(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

CString::CString(LPCSTR text, int length)
{
    if (text && length > 0)
        m_str.assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(char ch, int repeat) : m_str(static_cast<size_t>(std::max(repeat, 0)), ch) {}

char CString::GetAt(int index) const
{
    if (index < 0 || index > GetLength())
        AfxThrowInvalidArgException();
    return m_str.c_str()[index];
}

CString& CString::operator=(LPCSTR text)
{
    m_str = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    m_str += other.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR text)
{
    if (text)
        m_str += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    return CString(a) += b;
}
CString operator+(const CString& a, LPCSTR b)
{
    return CString(a) += b;
}
CString operator+(LPCSTR a, const CString& b)
{
    return CString(a) += b;
}

int CString::Compare(LPCSTR text) const
{
    return Sign(m_str.compare(text ? text : ""));
}

void CString::Format(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCSTR format, va_list args)
{
    m_str.clear();
    if (!format)
        return;
    va_list probe;
    va_copy(probe, args);
    const int length = vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (length <= 0)
        return;
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    vsnprintf(buffer.data(), buffer.size(), format, args);
    m_str.assign(buffer.data(), static_cast<size_t>(length));
}

BOOL CString::LoadString(UINT id)
{
    *this = ReadGrowingText([id](char* buffer, int size) {
        return ::LoadStringA(AfxGetResourceHandle(), id, buffer, size);
    });
    return !IsEmpty();
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)).c_str());
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    const size_t at = m_str.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::MakeUpper()
{
    m_str = Upper(m_str);
    return *this;
}

CString& CString::TrimRight(LPCSTR targets)
{
    const size_t last = m_str.find_last_not_of(targets ? targets : "");
    m_str.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

LPSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    m_str.resize(std::min(static_cast<size_t>(std::max(newLength, 0)), m_str.size()));
}
