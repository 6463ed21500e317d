#pragma once

#include "platform/Vector.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace Framework
{

class TextSerializer;
class TextWriter;

// The one list of a component's data fields, in file order. A component lists each field once, with the
// name the game's writer gives it and the member it fills, in its DescribeFields:
//     void Parallax::DescribeFields(FieldList& fields)
//     {
//         fields.Bool("m_Parallax", m_Parallax);
//         fields.Number("m_OffsetX", m_OffsetX);
//         fields.Number("m_OffsetY", m_OffsetY);
//     }
// The same listing is walked by the reader (by position: names are not compared, as the text format
// requires), by the writer (which writes these names) and so by the data checker's schema, which is a
// fresh component's written block.
class FieldList
{
public:
    // Lists the fields of a nested block.
    using Describe = std::function<void(FieldList&)>;

    // The elements of a list field: how many there are, one element's fields, and a new element at the end.
    class Elements
    {
    public:
        virtual ~Elements() = default;
        virtual size_t Count() const = 0;
        virtual void Describe(FieldList& fields, size_t index) = 0;
        virtual void Clear() = 0;
        virtual void Append() = 0;
    };

    virtual ~FieldList() = default;

    virtual void Number(const std::string& name, float& value) = 0;
    virtual void Number(const std::string& name, int& value) = 0;
    virtual void Number(const std::string& name, unsigned& value) = 0;
    // True exactly when the value token is "true".
    virtual void Bool(const std::string& name, bool& value) = 0;
    // A quoted string; a token without quotes is taken as it stands.
    virtual void String(const std::string& name, std::string& value) = 0;
    // A string that may hold spaces: its pieces are joined up to the closing quote.
    virtual void Text(const std::string& name, std::string& value) = 0;
    // A nested block. The reader enters it by readName when one is given: a top-level block of that name in the
    // file is jumped to (a quirk of the format some fields depend on).
    virtual void Block(const std::string& name, const Describe& describe, const std::string& readName = "") = 0;
    // A list of vector blocks; each is written as a field named "Vertex", and read named or bare. With an
    // emptyName, an empty list is written under that name holding one zero vector (the game's writer never wrote
    // an empty list there); it is read under name either way.
    virtual void Vec3List(const std::string& name, std::vector<Vec3>& values, const std::string& emptyName) = 0;
    // A list of vector blocks, written as it stands even when empty.
    void Vec3List(const std::string& name, std::vector<Vec3>& values) { Vec3List(name, values, std::string()); }
    // A list of bare blocks.
    virtual void List(const std::string& name, Elements& elements) = 0;
    // A block of names, each with a list of strings (an animation's frames). See Block for readName.
    virtual void NameLists(const std::string& name, std::map<std::string, std::vector<std::string>>& values,
                           const std::string& readName = "") = 0;
    // For a block that lists no fields: the reader takes a first token that also closes it ("{}") as the whole
    // block instead of reading one more token for its closing brace.
    virtual void EmptyBlockMayBeOneToken() {}
    // For a block that lists no fields: the reader takes its closing brace and the separator after it as the next
    // two tokens even past the end of the file, as the game's reader of that block did (on a truncated file the
    // reader's token count, which ends a file that loops through its indexed names, depends on it).
    virtual void EmptyBlockEndsUnchecked() {}

    // A block of two numbers "x", "y".
    void Vector2(const std::string& name, Vec2& value);
    // A block of three numbers "x", "y", "z".
    void Vector3(const std::string& name, Vec3& value);
    // A list of bare blocks, each element's fields listed by describe(fields, element).
    template <typename T, typename F> void List(const std::string& name, std::vector<T>& values, F describe)
    {
        struct VectorElements final : Elements
        {
            VectorElements(std::vector<T>& v, F& d) : Values(v), DescribeOne(d) {}
            size_t Count() const override { return Values.size(); }
            void Describe(FieldList& fields, size_t index) override { DescribeOne(fields, Values[index]); }
            void Clear() override { Values.clear(); }
            void Append() override { Values.emplace_back(); }
            std::vector<T>& Values;
            F& DescribeOne;
        } elements(values, describe);
        List(name, elements);
    }
};

// Reads a block of listed fields by position from the reader: enters the block by blockName (possibly empty),
// reads each field after the separator before it, then passes the closing brace.
void ReadFields(TextSerializer& reader, const std::string& blockName, const FieldList::Describe& describe);
// Writes the listed fields as a block of the given name.
void WriteFields(TextWriter& writer, const std::string& blockName, const FieldList::Describe& describe);

} // namespace Framework
