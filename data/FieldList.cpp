#include "data/FieldList.h"

#include "data/TextSerializer.h"
#include "data/Vec3Serializer.h"

#include <sstream>

namespace Framework
{

namespace
{
// Walks a field list reading by position: every field but a block's first is preceded by its separator, and
// the value is the third token from there (name, colon, value); names only choose where blocks are entered.
class FieldReader final : public FieldList
{
public:
    explicit FieldReader(TextSerializer& reader) : m_Reader(reader) {}

    // Enters the block, reads its fields and passes its closing brace.
    void ReadBlock(const std::string& enterName, const Describe& describe)
    {
        m_Reader.EnterBlock(enterName);
        ReadBody(describe);
    }

    void Number(const std::string& name, float& value) override
    {
        (void)name;
        NextField();
        m_Reader.ReadFieldValue(value);
    }
    void Number(const std::string& name, int& value) override
    {
        (void)name;
        NextField();
        m_Reader.ReadFieldValue(value);
    }
    void Number(const std::string& name, unsigned& value) override
    {
        (void)name;
        NextField();
        m_Reader.ReadFieldValue(value);
    }
    void Bool(const std::string& name, bool& value) override
    {
        NextField();
        m_Reader.ReadBool(name, value);
    }
    void String(const std::string& name, std::string& value) override
    {
        NextField();
        m_Reader.ReadString(name, value);
    }
    void Text(const std::string& name, std::string& value) override;
    void Block(const std::string& name, const Describe& describe, const std::string& readName) override
    {
        NextField();
        ReadBlock(readName.empty() ? name : readName, describe);
    }
    void Vec3List(const std::string& name, std::vector<Vec3>& values, const std::string& emptyName) override
    {
        (void)emptyName;
        NextField();
        ReadVec3List(m_Reader, name, values);
    }
    void List(const std::string& name, Elements& elements) override;
    void NameLists(const std::string& name, std::map<std::string, std::vector<std::string>>& values,
                   const std::string& readName) override;
    void EmptyBlockMayBeOneToken() override { m_OneTokenEmptyBlock = true; }
    void EmptyBlockEndsUnchecked() override { m_UncheckedEnd = true; }

private:
    // The fields of a block whose opening brace is the current token, then its closing brace.
    void ReadBody(const Describe& describe)
    {
        const size_t outer = m_FieldsRead;
        const bool outerRule = m_OneTokenEmptyBlock;
        m_FieldsRead = 0;
        m_OneTokenEmptyBlock = false;
        m_UncheckedEnd = false;
        describe(*this);
        const bool uncheckedEnd = m_FieldsRead == 0 && m_UncheckedEnd;
        if (m_FieldsRead == 0 && m_OneTokenEmptyBlock)
        {
            if (m_Reader.TokenHas('{') && !m_Reader.TokenHas('}') && m_Reader.IsGood())
            {
                m_Reader.ReadToken();
            }
        }
        else
        {
            m_UncheckedSeparator = uncheckedEnd;
            Separator();
        }
        m_FieldsRead = outer;
        m_OneTokenEmptyBlock = outerRule;
        m_UncheckedEnd = false;
        m_UncheckedSeparator = uncheckedEnd;
    }
    void NextField()
    {
        if (m_FieldsRead++ != 0)
        {
            Separator();
        }
    }
    // The token between two fields or closing a block: read only while the stream is good, unless an unchecked
    // empty block asked for it.
    void Separator()
    {
        if (m_UncheckedSeparator)
        {
            m_UncheckedSeparator = false;
            m_Reader.ReadToken();
            return;
        }
        m_Reader.SkipSeparator();
    }

    TextSerializer& m_Reader;
    size_t m_FieldsRead = 0;
    bool m_OneTokenEmptyBlock = false;
    // Set inside a block that lists EmptyBlockEndsUnchecked; then, once it is read, for the separator after it.
    bool m_UncheckedEnd = false;
    bool m_UncheckedSeparator = false;
};

void FieldReader::Text(const std::string& name, std::string& value)
{
    NextField();
    m_Reader.ReadString(name, value);
    // Tokens end at white space, so a text with spaces arrives in pieces: join them up to the closing
    // quote, or the rest of the file would be read out of step.
    const std::string& first = m_Reader.CurrentToken;
    if (first.size() >= 1 && first.front() == '"' && (first.size() == 1 || first.back() != '"'))
    {
        std::string text = first.substr(1);
        while (m_Reader.IsGood() && m_Reader.ReadToken())
        {
            const std::string& piece = m_Reader.CurrentToken;
            bool last = !piece.empty() && piece.back() == '"';
            text += " " + (last ? piece.substr(0, piece.size() - 1) : piece);
            if (last)
            {
                break;
            }
        }
        value = text;
    }
}

void FieldReader::List(const std::string& name, Elements& elements)
{
    NextField();
    elements.Clear();
    m_Reader.EnterBlock(name); // passes the name and colon; the token is then the opening bracket
    if (!m_Reader.TokenHas('['))
    {
        return;
    }
    for (;;)
    {
        if (!m_Reader.ReadToken() || !m_Reader.TokenHas('{'))
        {
            break; // an empty list, or the end of the file
        }
        elements.Append();
        const size_t index = elements.Count() - 1;
        ReadBody([&](FieldList& fields) { elements.Describe(fields, index); });
        if (!m_Reader.IsGood() || !m_Reader.ReadToken() || !m_Reader.TokenHas(','))
        {
            break; // the closing bracket, or the end of a truncated file
        }
    }
}

void FieldReader::NameLists(const std::string& name, std::map<std::string, std::vector<std::string>>& values,
                            const std::string& readName)
{
    NextField();
    values.clear();
    m_Reader.EnterBlock(readName.empty() ? name : readName); // passes the name, its colon and its brace
    do
    {
        if (!m_Reader.ReadToken() || m_Reader.TokenHas('}'))
        {
            break; // an empty block, or the end of the file
        }
        std::string key = m_Reader.TokenHas('"') ? StripQuotes(m_Reader.CurrentToken) : m_Reader.CurrentToken;
        m_Reader.ReadToken();    // the colon
        m_Reader.EnterBlock(""); // stops on the opening bracket
        std::vector<std::string> strings;
        do
        {
            if (!m_Reader.ReadToken() || (m_Reader.TokenHas(']') && !m_Reader.TokenHas('"')))
            {
                break; // an empty list ends at once
            }
            strings.push_back(m_Reader.TokenHas('"') ? StripQuotes(m_Reader.CurrentToken) : m_Reader.CurrentToken);
        } while (m_Reader.NextListItem());
        values[key] = std::move(strings);
    } while (m_Reader.NextListItem());
}

// Walks a field list writing each field under its name, separated by commas, nested blocks indented.
class FieldWriter final : public FieldList
{
public:
    explicit FieldWriter(TextWriter& writer) : m_Writer(writer) {}

    void WriteBlock(const std::string& name, const Describe& describe)
    {
        m_Writer.BeginBlock(name);
        const size_t outer = m_FieldsWritten;
        m_FieldsWritten = 0;
        describe(*this);
        m_FieldsWritten = outer;
        m_Writer.EndBlock();
    }

    void Number(const std::string& name, float& value) override
    {
        NextField();
        m_Writer.WriteNumber(name, value);
    }
    void Number(const std::string& name, int& value) override
    {
        NextField();
        m_Writer.WriteNumber(name, value);
    }
    void Number(const std::string& name, unsigned& value) override
    {
        NextField();
        m_Writer.WriteNumber(name, value);
    }
    void Bool(const std::string& name, bool& value) override
    {
        NextField();
        m_Writer.WriteBool(name, value);
    }
    void String(const std::string& name, std::string& value) override
    {
        NextField();
        m_Writer.WriteString(name, value);
    }
    void Text(const std::string& name, std::string& value) override { String(name, value); }
    void Block(const std::string& name, const Describe& describe, const std::string& readName) override
    {
        (void)readName;
        NextField();
        WriteBlock(name, describe);
    }
    void Vec3List(const std::string& name, std::vector<Vec3>& values, const std::string& emptyName) override
    {
        NextField();
        if (values.empty() && !emptyName.empty())
        {
            WriteVec3List(m_Writer, emptyName, std::vector<Vec3>{Vec3{}});
            return;
        }
        WriteVec3List(m_Writer, name, values);
    }
    void List(const std::string& name, Elements& elements) override
    {
        NextField();
        m_Writer.WriteRaw("\"" + name + "\" : [ ");
        for (size_t i = 0; i < elements.Count(); ++i)
        {
            if (i != 0)
            {
                m_Writer.WriteSeparator();
            }
            WriteBlock(std::string(), [&](FieldList& fields) { elements.Describe(fields, i); });
        }
        m_Writer.WriteRaw(" ]");
    }
    void NameLists(const std::string& name, std::map<std::string, std::vector<std::string>>& values,
                   const std::string& readName) override;

private:
    void NextField()
    {
        if (m_FieldsWritten++ != 0)
        {
            m_Writer.WriteSeparator();
        }
    }

    TextWriter& m_Writer;
    size_t m_FieldsWritten = 0;
};

void FieldWriter::NameLists(const std::string& name, std::map<std::string, std::vector<std::string>>& values,
                            const std::string& readName)
{
    (void)readName;
    NextField();
    m_Writer.BeginBlock(name);
    bool first = true;
    for (const auto& [key, strings] : values)
    {
        if (!first)
        {
            m_Writer.WriteSeparator();
        }
        first = false;
        std::ostringstream entry;
        entry << '"' << key << "\" : [ ";
        for (size_t i = 0; i < strings.size(); ++i)
        {
            entry << (i == 0 ? "" : " , ") << '"' << strings[i] << '"';
        }
        entry << " ]";
        m_Writer.WriteRaw(entry.str());
    }
    m_Writer.EndBlock();
}
} // namespace

void FieldList::Vector2(const std::string& name, Vec2& value)
{
    Block(name,
          [&](FieldList& fields)
          {
              fields.Number("x", value.x);
              fields.Number("y", value.y);
          });
}

void FieldList::Vector3(const std::string& name, Vec3& value)
{
    Block(name,
          [&](FieldList& fields)
          {
              fields.Number("x", value.x);
              fields.Number("y", value.y);
              fields.Number("z", value.z);
          });
}

void ReadFields(TextSerializer& reader, const std::string& blockName, const FieldList::Describe& describe)
{
    FieldReader(reader).ReadBlock(blockName, describe);
}

void WriteFields(TextWriter& writer, const std::string& blockName, const FieldList::Describe& describe)
{
    FieldWriter(writer).WriteBlock(blockName, describe);
}

} // namespace Framework
