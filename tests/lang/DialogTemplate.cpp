#include "tests/lang/DialogTemplate.h"

#include <cstring>

namespace kvtest
{

namespace
{

// A bounds-checked reader over the template bytes; any read past the end marks it failed.
class TemplateReader
{
  public:
    TemplateReader(const void* data, std::size_t size)
        : m_data(static_cast<const unsigned char*>(data)), m_size(size)
    {
    }

    bool ok() const { return m_ok; }

    template <typename T> T read()
    {
        T value{};
        if (!m_ok || m_size - m_pos < sizeof(T)) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    void alignTo(std::size_t n) { m_pos = (m_pos + n - 1) / n * n; }
    void skip(std::size_t n)
    {
        if (m_size - m_pos < n)
            m_ok = false;
        else
            m_pos += n;
    }

    std::wstring readString()
    {
        std::wstring text;
        for (WORD c = read<WORD>(); m_ok && c != 0; c = read<WORD>())
            text.push_back(static_cast<wchar_t>(c));
        return text;
    }

    // A name or number field: 0 = none, 0xFFFF + number, or a string.
    std::wstring readNameOrOrdinal(WORD* ordinal)
    {
        *ordinal = 0;
        const WORD first = read<WORD>();
        if (first == 0)
            return {};
        if (first == 0xFFFF) {
            *ordinal = read<WORD>();
            return {};
        }
        std::wstring text(1, static_cast<wchar_t>(first));
        return text + readString();
    }

  private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

std::string predefinedClass(WORD ordinal)
{
    switch (ordinal) {
    case 0x80:
        return "Button";
    case 0x81:
        return "Edit";
    case 0x82:
        return "Static";
    case 0x83:
        return "ListBox";
    case 0x84:
        return "ScrollBar";
    case 0x85:
        return "ComboBox";
    default:
        return "#" + std::to_string(ordinal);
    }
}

std::string narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The style of the dialog or of a control: the extended form has a help id and the extended
// style before it, the plain form the extended style after it.
DWORD readStyle(TemplateReader& in, bool extended)
{
    if (!extended) {
        const DWORD style = in.read<DWORD>();
        in.read<DWORD>();
        return style;
    }
    in.read<DWORD>();
    in.read<DWORD>();
    return in.read<DWORD>();
}

DialogControl readControl(TemplateReader& in, bool extended)
{
    DialogControl control;
    in.alignTo(4);
    control.style = readStyle(in, extended);
    in.skip(4 * sizeof(short));
    control.id =
        extended ? in.read<DWORD>() : static_cast<DWORD>(static_cast<short>(in.read<WORD>()));
    WORD ordinal = 0;
    const std::wstring className = in.readNameOrOrdinal(&ordinal);
    control.className = ordinal ? predefinedClass(ordinal) : narrow(className);
    control.title = in.readNameOrOrdinal(&ordinal);
    in.skip(in.read<WORD>()); // creation data
    return control;
}

} // namespace

std::optional<DialogTemplate> parseDialogTemplate(const void* data, std::size_t size)
{
    TemplateReader in(data, size);
    DialogTemplate result;
    const bool extended = in.read<WORD>() == 1 && in.read<WORD>() == 0xFFFF;
    if (!extended)
        in = TemplateReader(data, size);
    result.style = readStyle(in, extended);
    const WORD count = in.read<WORD>();
    in.skip(4 * sizeof(short));
    WORD ordinal = 0;
    in.readNameOrOrdinal(&ordinal); // menu
    in.readNameOrOrdinal(&ordinal); // window class
    result.caption = in.readString();
    if (result.style & DS_SETFONT) {
        in.read<WORD>(); // point size
        if (extended)
            in.skip(sizeof(WORD) + 2); // weight, italic, character set
        in.readString();               // typeface
    }
    for (WORD i = 0; i < count && in.ok(); ++i)
        result.controls.push_back(readControl(in, extended));
    if (!in.ok())
        return std::nullopt;
    return result;
}

} // namespace kvtest
