#include "data/RawBlockComponent.h"

#include "data/TextSerializer.h"

namespace Framework
{

void RawBlockComponent::Serialize(TextSerializer& reader, const std::string& blockName)
{
    reader.EnterBlock(blockName);
    if (!reader.TokenHas('{'))
    {
        return;
    }
    m_Tokens.clear();
    int depth = 1;
    while (reader.ReadToken())
    {
        for (char c : reader.CurrentToken)
        {
            if (c == '{' || c == '[')
            {
                ++depth;
            }
            else if (c == '}' || c == ']')
            {
                --depth;
            }
        }
        if (depth <= 0)
        {
            return;
        }
        m_Tokens.push_back(reader.CurrentToken);
    }
}

void RawBlockComponent::Write(TextWriter& writer, const std::string& blockName) const
{
    writer.BeginBlock(blockName);
    std::string text;
    for (size_t i = 0; i < m_Tokens.size(); ++i)
    {
        if (i != 0)
        {
            text += ' ';
        }
        text += m_Tokens[i];
    }
    writer.WriteRaw(text);
    writer.EndBlock();
}

} // namespace Framework
