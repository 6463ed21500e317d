#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Framework
{

// A path split into its parts; both separators are accepted and the full path uses '/'.
struct PathParts
{
    explicit PathParts(const std::string& path);

    std::string FullPath;  // the path with '/' separators
    std::string Directory; // up to and including the last separator; empty if none
    std::string FileName;  // between the directory and the extension
    std::string Extension; // from the last dot of the file name on, with the dot; empty if none
};

// The first and last character of a token removed, whatever they are.
std::string StripQuotes(const std::string& token);

// Token reader of the game's ".json" data files. Reading is positional: field names are hardly
// looked at, field order is everything. Nothing here reports an error; a failed read leaves
// CurrentToken as it was and the reader no longer good.
class TextSerializer
{
public:
    // Opens a file and builds the block index when it opened.
    explicit TextSerializer(const std::string& path);
    // Reads from text held in memory (tests and fuzzing).
    static TextSerializer FromText(const std::string& text);
    ~TextSerializer();
    TextSerializer(TextSerializer&&) noexcept;
    TextSerializer(const TextSerializer&) = delete;
    TextSerializer& operator=(const TextSerializer&) = delete;

    // True while the stream has met neither an error nor the end of the file.
    bool IsGood() const;
    // Reads the next white-space separated token into CurrentToken; false (token unchanged) at the end.
    bool ReadToken();
    // True when the last ReadToken found no token: loops that go on "while the token has a comma"
    // must stop then, or a truncated file would repeat its last comma forever.
    bool AtEnd() const { return m_AtEnd; }
    // Jumps to an indexed top-level name if there is one, then passes the name and colon tokens;
    // on a block header the current token is then the opening brace.
    void EnterBlock(const std::string& name);
    // Reads a two-field block ("x", "y"); names are not compared.
    void ReadVec2(const std::string& name, float& x, float& y);
    // Like ReadVec2 with unsigned values.
    void ReadUnsignedPair(const std::string& name, unsigned& first, unsigned& second);
    // With a name, passes the name and colon tokens; then reads a value, unquoted when it has a quote.
    void ReadString(const std::string& name, std::string& out);
    // Like ReadString; true exactly when the value token is "true".
    void ReadBool(const std::string& name, bool& out);
    // A component's first number field after EnterBlock: name, colon and value tokens.
    void ReadFieldValue(float& out);
    void ReadFieldValue(int& out);
    void ReadFieldValue(unsigned& out);
    // A later number field: the separating comma (if good), then name, colon and value tokens.
    void ReadScalarField(float& out);
    void ReadScalarField(int& out);
    void ReadScalarField(unsigned& out);
    // Moves the stream back to the start of the file.
    void MoveToStart();
    // Consumes tokens up to the brace that closes the block the reader is in or about to enter,
    // so an unknown or unusable block can be passed over; stops at the end of the file.
    void SkipBlock();
    // True when CurrentToken contains the character anywhere.
    bool TokenHas(char c) const;
    // Reads the token that separates two fields (a comma or a closing brace) while the stream is good;
    // after a failed read it reads nothing, so the current token stays as it was.
    void SkipSeparator();
    // After a list item: reads the token that follows it; true when that is the comma announcing another
    // item. False at the end of the file, so a truncated list cannot repeat its last comma forever.
    bool NextListItem();

    // Number conversions with the stream rules; a token that is no number gives 0.
    static float StringToFloat(const std::string& token);
    static int StringToInt(const std::string& token);
    static unsigned StringToUnsigned(const std::string& token);

    std::string CurrentToken;
    // Top-level name to (position after the name token, position after its block's closing bracket).
    std::map<std::string, std::pair<long long, long long>> BlockIndex;

private:
    explicit TextSerializer(std::unique_ptr<std::istream> stream);
    void BuildIndex();
    void ReadTokens(int count);
    template <typename T> void ReadPair(const std::string& name, T& first, T& second, T (*convert)(const std::string&));

    std::unique_ptr<std::istream> m_Stream;
    bool m_AtEnd = false;
    size_t m_TokensRead = 0;
    size_t m_TokenBudget = static_cast<size_t>(-1);
};

// Writer of the same format; the counterpart of TextSerializer.
class TextWriter
{
public:
    explicit TextWriter(std::ostream& out, std::string indentUnit = "    ");

    // "{\n" for an empty name, otherwise "\"name\" : {\n"; then one level deeper.
    void BeginBlock(const std::string& name);
    // One level up, then a line feed, the indentation and a closing brace.
    void EndBlock();
    // " ,\n" and the current indentation.
    void WriteSeparator();
    void WriteNumber(const std::string& name, float value);
    void WriteNumber(const std::string& name, int value);
    void WriteNumber(const std::string& name, unsigned value);
    void WriteString(const std::string& name, const std::string& value);
    void WriteBool(const std::string& name, bool value);
    // Writes text as it stands (used for blocks kept verbatim).
    void WriteRaw(const std::string& text);

private:
    void WriteName(const std::string& name);

    std::ostream& m_Out;
    std::string m_Unit;
    std::string m_Indent;
    unsigned m_Depth = 0;
};

} // namespace Framework
