#include "tools/kvdata/DumpWriter.h"

#include <cmath>
#include <cstdio>
#include <windows.h>

namespace kvdata
{

namespace
{

std::string utf8Of(const std::string& ansi)
{
    if (ansi.empty())
        return ansi;
    const int size = static_cast<int>(ansi.size());
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, &wide[0], static_cast<int>(wide.size()));
    const int wideSize = static_cast<int>(wide.size());
    std::string utf8(
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, &utf8[0], static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    return utf8;
}

} // namespace

std::string jsonString(const std::string& ansi)
{
    std::string out = "\"";
    for (unsigned char c : utf8Of(ansi)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void DumpWriter::key(const std::string& name)
{
    const bool inArray = !m_levels.empty() && m_levels.back().array;
    const int index = m_levels.empty() ? 0 : m_levels.back().items++;
    if (m_json) {
        if (!m_levels.empty())
            m_out << (index > 0 ? ",\n" : "\n") << indent();
        if (!inArray && !m_levels.empty())
            m_out << jsonString(name) << ": ";
        return;
    }
    m_out << indent() << (inArray ? "[" + std::to_string(index) + "]" : name);
}

void DumpWriter::open(const std::string& name, bool array)
{
    key(name);
    if (m_json)
        m_out << (array ? "[" : "{");
    else if (!m_levels.empty() || !name.empty())
        m_out << ":\n";
    m_levels.push_back({array, 0});
}

void DumpWriter::close(bool array)
{
    const bool empty = m_levels.back().items == 0;
    m_levels.pop_back();
    if (m_json)
        m_out << (empty ? "" : "\n" + indent()) << (array ? "]" : "}");
}

void DumpWriter::beginObject(const std::string& name)
{
    open(name, false);
}
void DumpWriter::endObject()
{
    close(false);
}
void DumpWriter::beginArray(const std::string& name)
{
    open(name, true);
}
void DumpWriter::endArray()
{
    close(true);
}

void DumpWriter::scalar(const std::string& name, const std::string& text, const std::string& json)
{
    key(name);
    if (m_json)
        m_out << json;
    else
        m_out << ": " << text << "\n";
}

void DumpWriter::field(const std::string& name, const std::string& value)
{
    scalar(name, "\"" + value + "\"", jsonString(value));
}

void DumpWriter::field(const std::string& name, int64_t value)
{
    scalar(name, std::to_string(value), std::to_string(value));
}

void DumpWriter::field(const std::string& name, double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    scalar(name, text, std::isfinite(value) ? text : "null");
}

void DumpWriter::field(const std::string& name, bool value)
{
    scalar(name, value ? "yes" : "no", value ? "true" : "false");
}

void DumpWriter::finish()
{
    if (m_json)
        m_out << "\n";
}

} // namespace kvdata
