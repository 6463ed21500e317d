#include "data/DataTree.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace Framework
{

namespace
{
// Deeper nesting than any data file needs; it bounds the recursion on hostile input.
constexpr int kMaxDepth = 64;
// The one field whose quoted text may hold spaces (a FontComponent's text).
constexpr const char* kJoinedTextField = "m_CurrentString";

struct Token
{
    std::string Text;
    SourceLocation At;
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Splits at white space only, as the game's reader does.
std::vector<Token> Tokenize(const std::string& text, SourceLocation& end)
{
    std::vector<Token> tokens;
    int line = 1;
    int column = 1;
    for (size_t i = 0; i < text.size();)
    {
        if (IsSpace(text[i]))
        {
            if (text[i] == '\n')
            {
                ++line;
                column = 1;
            }
            else
            {
                ++column;
            }
            ++i;
            continue;
        }
        Token token;
        token.At = {line, column};
        while (i < text.size() && !IsSpace(text[i]))
        {
            token.Text += text[i++];
            ++column;
        }
        tokens.push_back(std::move(token));
    }
    end = {line, column};
    return tokens;
}

bool IsPunctuation(const std::string& t)
{
    return t.size() == 1 && std::strchr("{}[]:,", t[0]) != nullptr;
}

bool IsQuoted(const std::string& t)
{
    return t.size() >= 2 && t.front() == '"' && t.back() == '"' && t.find('"', 1) == t.size() - 1;
}

bool IsNumber(const std::string& t)
{
    char* endPtr = nullptr;
    std::strtod(t.c_str(), &endPtr);
    return !t.empty() && endPtr == t.c_str() + t.size();
}

class Parser
{
public:
    Parser(std::vector<Token> tokens, SourceLocation end) : m_Tokens(std::move(tokens)), m_End(end) {}

    void ParseFile(DataTree& tree)
    {
        m_Tree = &tree;
        tree.Root.Type = DataNode::Kind::Block;
        if (!Expect("{", "the file must begin with '{'"))
        {
            return;
        }
        tree.Root.At = m_Tokens[0].At;
        if (!ParseFields(tree.Root, "}", 1))
        {
            return;
        }
        if (m_Next < m_Tokens.size())
        {
            Fail(m_Tokens[m_Next].At, "text after the file's closing '}': '" + m_Tokens[m_Next].Text + "'");
        }
    }

private:
    bool Fail(SourceLocation at, const std::string& message)
    {
        if (m_Tree->Error.empty())
        {
            m_Tree->Error = message;
            m_Tree->ErrorAt = at;
        }
        return false;
    }

    // The next token, or a fault at the end of the file.
    const Token* Peek(const std::string& what)
    {
        if (m_Next >= m_Tokens.size())
        {
            Fail(m_End, "the file ends where " + what + " should follow (truncated?)");
            return nullptr;
        }
        const Token& token = m_Tokens[m_Next];
        bool glued = !IsPunctuation(token.Text) && !IsQuoted(token.Text) &&
                     token.Text.find_first_of("{}[]:,\"") != std::string::npos;
        if (glued)
        {
            Fail(token.At,
                 "'" + token.Text +
                     "' mixes punctuation with other text; the game's reader splits tokens only at white space");
            return nullptr;
        }
        if (IsQuoted(token.Text) && token.Text.find_first_of("{}[]") != std::string::npos)
        {
            Fail(token.At, "brackets inside quoted text " + token.Text + " confuse the game's block index");
            return nullptr;
        }
        return &token;
    }

    // The game reads this one field's quoted text across white space (a text shown on screen may hold
    // spaces), so its pieces become one token here too.
    void JoinQuotedText()
    {
        if (m_Next >= m_Tokens.size())
        {
            return;
        }
        const std::string& first = m_Tokens[m_Next].Text;
        if (first.empty() || first.front() != '"' || IsQuoted(first))
        {
            return;
        }
        size_t last = m_Next + 1;
        while (last < m_Tokens.size() && (m_Tokens[last].Text.empty() || m_Tokens[last].Text.back() != '"'))
        {
            ++last;
        }
        if (last == m_Tokens.size())
        {
            return; // no closing quote: the value check reports it
        }
        for (size_t i = m_Next + 1; i <= last; ++i)
        {
            m_Tokens[m_Next].Text += " " + m_Tokens[i].Text;
        }
        m_Tokens.erase(m_Tokens.begin() + static_cast<std::ptrdiff_t>(m_Next) + 1,
                       m_Tokens.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    }

    bool Expect(const char* text, const std::string& what)
    {
        const Token* token = Peek("'" + std::string(text) + "'");
        if (token == nullptr)
        {
            return false;
        }
        if (token->Text != text)
        {
            return Fail(token->At, "expected " + what + ", found '" + token->Text + "'");
        }
        ++m_Next;
        return true;
    }

    // Fields separated by commas up to the closing token; the opening one is already passed.
    bool ParseFields(DataNode& block, const char* close, int depth)
    {
        const Token* token = Peek(std::string("a field or '") + close + "'");
        if (token == nullptr)
        {
            return false;
        }
        if (token->Text == close)
        {
            ++m_Next;
            return true;
        }
        for (;;)
        {
            token = Peek("a quoted field name");
            if (token == nullptr)
            {
                return false;
            }
            bool bareName = !IsQuoted(token->Text) && !IsPunctuation(token->Text) && m_Next + 1 < m_Tokens.size() &&
                            m_Tokens[m_Next + 1].Text == ":";
            if (!IsQuoted(token->Text) && !bareName)
            {
                return Fail(token->At, "expected a quoted field name, found '" + token->Text + "'");
            }
            DataNode field;
            if (bareName)
            {
                m_Tree->UnquotedNames.push_back(token->At);
                field.Name = token->Text;
            }
            else
            {
                field.Name = token->Text.substr(1, token->Text.size() - 2);
            }
            field.NameAt = token->At;
            ++m_Next;
            if (!Expect(":", "':' after \"" + field.Name + "\""))
            {
                return false;
            }
            if (field.Name == kJoinedTextField)
            {
                JoinQuotedText();
            }
            if (!ParseValue(field, depth))
            {
                return false;
            }
            block.Children.push_back(std::move(field));
            token = Peek(std::string("',' or '") + close + "'");
            if (token == nullptr)
            {
                return false;
            }
            ++m_Next;
            if (token->Text == close)
            {
                return true;
            }
            if (token->Text != ",")
            {
                return Fail(token->At, std::string("expected ',' or '") + close + "' after the field \"" +
                                           block.Children.back().Name + "\", found '" + token->Text + "'");
            }
        }
    }

    // List entries: named fields ("Vertex" : { ... }) or bare values, separated by commas.
    bool ParseList(DataNode& list, int depth)
    {
        const Token* token = Peek("a list entry or ']'");
        if (token == nullptr)
        {
            return false;
        }
        if (token->Text == "]")
        {
            ++m_Next;
            return true;
        }
        for (;;)
        {
            token = Peek("a list entry");
            if (token == nullptr)
            {
                return false;
            }
            DataNode entry;
            entry.NameAt = token->At;
            bool named = IsQuoted(token->Text) && m_Next + 1 < m_Tokens.size() && m_Tokens[m_Next + 1].Text == ":";
            if (named)
            {
                entry.Name = token->Text.substr(1, token->Text.size() - 2);
                m_Next += 2;
            }
            if (!ParseValue(entry, depth))
            {
                return false;
            }
            list.Children.push_back(std::move(entry));
            token = Peek("',' or ']'");
            if (token == nullptr)
            {
                return false;
            }
            ++m_Next;
            if (token->Text == "]")
            {
                return true;
            }
            if (token->Text != ",")
            {
                return Fail(token->At, "expected ',' or ']' in the list, found '" + token->Text + "'");
            }
        }
    }

    bool ParseValue(DataNode& node, int depth)
    {
        const Token* token = Peek("a value");
        if (token == nullptr)
        {
            return false;
        }
        node.At = token->At;
        if (depth >= kMaxDepth)
        {
            return Fail(token->At, "blocks nested too deeply");
        }
        ++m_Next;
        const std::string& t = token->Text;
        if (t == "{")
        {
            node.Type = DataNode::Kind::Block;
            return ParseFields(node, "}", depth + 1);
        }
        if (t == "[")
        {
            node.Type = DataNode::Kind::List;
            return ParseList(node, depth + 1);
        }
        if (IsQuoted(t))
        {
            node.Type = DataNode::Kind::String;
            node.Text = t.substr(1, t.size() - 2);
            return true;
        }
        if (t == "true" || t == "false")
        {
            node.Type = DataNode::Kind::Bool;
            node.Text = t;
            return true;
        }
        if (IsNumber(t))
        {
            node.Type = DataNode::Kind::Number;
            node.Text = t;
            return true;
        }
        return Fail(token->At, "expected a value (number, true, false, quoted text, block or list), found '" + t + "'");
    }

    std::vector<Token> m_Tokens;
    SourceLocation m_End;
    size_t m_Next = 0;
    DataTree* m_Tree = nullptr;
};
} // namespace

const DataNode* DataNode::Find(const std::string& name) const
{
    for (const DataNode& child : Children)
    {
        if (child.Name == name)
        {
            return &child;
        }
    }
    return nullptr;
}

DataTree DataTree::Parse(const std::string& text)
{
    DataTree tree;
    SourceLocation end;
    std::vector<Token> tokens = Tokenize(text, end);
    Parser parser(std::move(tokens), end);
    parser.ParseFile(tree);
    return tree;
}

const char* DescribeKind(DataNode::Kind kind)
{
    switch (kind)
    {
    case DataNode::Kind::Number:
        return "a number";
    case DataNode::Kind::Bool:
        return "true or false";
    case DataNode::Kind::String:
        return "quoted text";
    case DataNode::Kind::Block:
        return "a block";
    case DataNode::Kind::List:
        return "a list";
    }
    return "a value";
}

} // namespace Framework
