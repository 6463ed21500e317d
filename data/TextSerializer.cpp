#include "data/TextSerializer.h"

#include <fstream>
#include <limits>
#include <sstream>

namespace Framework
{

PathParts::PathParts(const std::string& path)
{
    FullPath = path;
    for (char& c : FullPath)
    {
        if (c == '\\')
        {
            c = '/';
        }
    }
    size_t slash = FullPath.find_last_of('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    Directory = FullPath.substr(0, nameStart);
    // Only a dot inside the file name starts the extension; a dot in a folder name does not.
    size_t dot = FullPath.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
    {
        FileName = FullPath.substr(nameStart);
    }
    else
    {
        FileName = FullPath.substr(nameStart, dot - nameStart);
        Extension = FullPath.substr(dot);
    }
}

std::string StripQuotes(const std::string& token)
{
    if (token.size() < 2)
    {
        return std::string();
    }
    return token.substr(1, token.size() - 2);
}

TextSerializer::TextSerializer(const std::string& path)
    : TextSerializer(std::unique_ptr<std::istream>(new std::ifstream(path)))
{
}

TextSerializer::TextSerializer(std::unique_ptr<std::istream> stream) : m_Stream(std::move(stream))
{
    if (*m_Stream)
    {
        BuildIndex();
    }
    else
    {
        m_AtEnd = true;
    }
}

TextSerializer TextSerializer::FromText(const std::string& text)
{
    return TextSerializer(std::unique_ptr<std::istream>(new std::istringstream(text)));
}

TextSerializer::~TextSerializer() = default;
TextSerializer::TextSerializer(TextSerializer&&) noexcept = default;

bool TextSerializer::IsGood() const
{
    return m_Stream->good();
}

bool TextSerializer::ReadToken()
{
    if (m_TokensRead >= m_TokenBudget)
    {
        // A file whose indexed names send the reader back over the same blocks again and again
        // would otherwise never end; past the budget it reads as finished.
        m_Stream->setstate(std::ios::failbit);
        m_AtEnd = true;
        return false;
    }
    ++m_TokensRead;
    std::string token;
    if (*m_Stream >> token)
    {
        CurrentToken = std::move(token);
        m_AtEnd = false;
        return true;
    }
    m_AtEnd = true;
    return false;
}

void TextSerializer::ReadTokens(int count)
{
    for (int i = 0; i < count; ++i)
    {
        ReadToken();
    }
}

bool TextSerializer::TokenHas(char c) const
{
    return CurrentToken.find(c) != std::string::npos;
}

namespace
{
bool HasAny(const std::string& token, char c)
{
    return token.find(c) != std::string::npos;
}
} // namespace

void TextSerializer::BuildIndex()
{
    std::vector<char> stack;
    ReadToken();
    if (HasAny(CurrentToken, '{'))
    {
        stack.push_back('{');
    }
    std::string name;
    long long start = -1;
    while (!stack.empty())
    {
        if (!ReadToken())
        {
            break; // a truncated file ends the index
        }
        bool popped = false;
        if (stack.size() == 1 && HasAny(CurrentToken, '"'))
        {
            name = StripQuotes(CurrentToken);
            start = static_cast<long long>(m_Stream->tellg());
            continue;
        }
        if (HasAny(CurrentToken, '['))
        {
            stack.push_back('[');
        }
        else if (HasAny(CurrentToken, ']'))
        {
            if (stack.back() == '[')
            {
                stack.pop_back();
                popped = true;
            }
        }
        else if (HasAny(CurrentToken, '{'))
        {
            stack.push_back('{');
        }
        else if (HasAny(CurrentToken, '}'))
        {
            if (stack.back() == '{')
            {
                stack.pop_back();
                popped = true;
            }
        }
        if (popped && stack.size() == 1)
        {
            BlockIndex[name] = {start, static_cast<long long>(m_Stream->tellg())};
        }
    }
    // Well-formed reading goes over a file about twice; eight times its tokens is ample.
    m_TokenBudget = m_TokensRead * 8 + 64;
}

void TextSerializer::MoveToStart()
{
    m_Stream->clear();
    m_Stream->seekg(0);
    m_AtEnd = false;
}

void TextSerializer::EnterBlock(const std::string& name)
{
    if (IsGood())
    {
        auto it = BlockIndex.find(name);
        if (it != BlockIndex.end() && it->second.first >= 0)
        {
            m_Stream->seekg(it->second.first);
        }
    }
    else
    {
        // The index pass may have left the stream at the end of a file with no final line break;
        // a jump to an indexed name is still valid then.
        auto it = BlockIndex.find(name);
        if (m_Stream->eof() && !m_Stream->bad() && it != BlockIndex.end() && it->second.first >= 0)
        {
            m_Stream->clear();
            m_Stream->seekg(it->second.first);
        }
    }
    if (IsGood())
    {
        ReadToken();
        if (TokenHas('"'))
        {
            ReadToken();
        }
        if (TokenHas(':'))
        {
            ReadToken();
        }
    }
}

template <typename T>
void TextSerializer::ReadPair(const std::string& name, T& first, T& second, T (*convert)(const std::string&))
{
    EnterBlock(name);
    ReadTokens(3);
    first = convert(CurrentToken);
    SkipSeparator();
    ReadTokens(3);
    second = convert(CurrentToken);
    SkipSeparator();
}

void TextSerializer::ReadVec2(const std::string& name, float& x, float& y)
{
    ReadPair(name, x, y, &StringToFloat);
}

void TextSerializer::ReadUnsignedPair(const std::string& name, unsigned& first, unsigned& second)
{
    ReadPair(name, first, second, &StringToUnsigned);
}

void TextSerializer::ReadString(const std::string& name, std::string& out)
{
    if (!name.empty())
    {
        ReadTokens(2);
    }
    ReadToken();
    out = TokenHas('"') ? StripQuotes(CurrentToken) : CurrentToken;
}

void TextSerializer::ReadBool(const std::string& name, bool& out)
{
    if (!name.empty())
    {
        ReadTokens(2);
    }
    ReadToken();
    out = CurrentToken == "true";
}

void TextSerializer::ReadFieldValue(float& out)
{
    ReadTokens(3);
    out = StringToFloat(CurrentToken);
}

void TextSerializer::ReadFieldValue(int& out)
{
    ReadTokens(3);
    out = StringToInt(CurrentToken);
}

void TextSerializer::ReadFieldValue(unsigned& out)
{
    ReadTokens(3);
    out = StringToUnsigned(CurrentToken);
}

void TextSerializer::SkipSeparator()
{
    if (IsGood())
    {
        ReadToken();
    }
}

bool TextSerializer::NextListItem()
{
    SkipSeparator();
    return !AtEnd() && TokenHas(',');
}

void TextSerializer::ReadScalarField(float& out)
{
    SkipSeparator();
    ReadFieldValue(out);
}

void TextSerializer::ReadScalarField(int& out)
{
    SkipSeparator();
    ReadFieldValue(out);
}

void TextSerializer::ReadScalarField(unsigned& out)
{
    SkipSeparator();
    ReadFieldValue(out);
}

void TextSerializer::SkipBlock()
{
    int depth = 0;
    bool opened = false;
    // The current token may already be the block's opening brace.
    auto count = [&](const std::string& token)
    {
        for (char c : token)
        {
            if (c == '{' || c == '[')
            {
                ++depth;
                opened = true;
            }
            else if ((c == '}' || c == ']') && depth > 0)
            {
                --depth;
            }
        }
    };
    if (TokenHas('{'))
    {
        count(CurrentToken);
        if (opened && depth == 0)
        {
            return;
        }
    }
    while (ReadToken())
    {
        count(CurrentToken);
        if (opened && depth == 0)
        {
            return;
        }
    }
}

namespace
{
template <typename T> T Convert(const std::string& token)
{
    std::istringstream in(token);
    T value{};
    in >> value;
    if (in.fail() && value != std::numeric_limits<T>::max() && value != std::numeric_limits<T>::lowest())
    {
        return T{};
    }
    return value;
}
} // namespace

float TextSerializer::StringToFloat(const std::string& token)
{
    return Convert<float>(token);
}

int TextSerializer::StringToInt(const std::string& token)
{
    return Convert<int>(token);
}

unsigned TextSerializer::StringToUnsigned(const std::string& token)
{
    return Convert<unsigned>(token);
}

TextWriter::TextWriter(std::ostream& out, std::string indentUnit) : m_Out(out), m_Unit(std::move(indentUnit)) {}

void TextWriter::BeginBlock(const std::string& name)
{
    if (name.empty())
    {
        m_Out << "{\n";
    }
    else
    {
        m_Out << '"' << name << "\" : {\n";
    }
    ++m_Depth;
    m_Indent += m_Unit;
    m_Out << m_Indent;
}

void TextWriter::EndBlock()
{
    if (m_Depth != 0)
    {
        --m_Depth;
        m_Indent.clear();
        for (unsigned i = 0; i < m_Depth; ++i)
        {
            m_Indent += m_Unit;
        }
    }
    m_Out << '\n' << m_Indent << '}';
}

void TextWriter::WriteSeparator()
{
    m_Out << " ,\n" << m_Indent;
}

void TextWriter::WriteName(const std::string& name)
{
    m_Out << '"' << name << "\" : ";
}

void TextWriter::WriteNumber(const std::string& name, float value)
{
    WriteName(name);
    m_Out << value;
}

void TextWriter::WriteNumber(const std::string& name, int value)
{
    WriteName(name);
    m_Out << value;
}

void TextWriter::WriteNumber(const std::string& name, unsigned value)
{
    WriteName(name);
    m_Out << value;
}

void TextWriter::WriteString(const std::string& name, const std::string& value)
{
    if (!name.empty())
    {
        WriteName(name);
    }
    m_Out << '"' << value << '"';
}

void TextWriter::WriteBool(const std::string& name, bool value)
{
    if (!name.empty())
    {
        WriteName(name);
    }
    m_Out << (value ? "true" : "false");
}

void TextWriter::WriteRaw(const std::string& text)
{
    m_Out << text;
}

} // namespace Framework
