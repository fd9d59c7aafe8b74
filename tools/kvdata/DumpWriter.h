// Writes named fields, nested objects and arrays either as indented text ("name: value")
// or as JSON (texts converted from the ANSI code page to UTF-8).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kvdata
{

class DumpWriter
{
  public:
    DumpWriter(std::ostream& out, bool json) : m_out(out), m_json(json) {}

    // An object; its name is ignored inside an array.
    void beginObject(const std::string& name = "");
    void endObject();
    void beginArray(const std::string& name);
    void endArray();

    void field(const std::string& name, const std::string& value);
    void field(const std::string& name, const char* value) { field(name, std::string(value)); }
    void field(const std::string& name, int64_t value);
    void field(const std::string& name, int32_t value) { field(name, static_cast<int64_t>(value)); }
    void field(const std::string& name, double value);
    void field(const std::string& name, bool value);

    // Ends the output (the JSON document's last line).
    void finish();

  private:
    struct Level {
        bool array;
        int items;
    };

    void open(const std::string& name, bool array);
    void close(bool array);
    void key(const std::string& name);
    void scalar(const std::string& name, const std::string& text, const std::string& json);
    std::string indent() const { return std::string(2 * m_levels.size(), ' '); }

    std::ostream& m_out;
    bool m_json;
    std::vector<Level> m_levels;
};

// A JSON string literal of an ANSI text.
std::string jsonString(const std::string& ansi);

} // namespace kvdata
