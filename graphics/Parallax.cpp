#include "graphics/Parallax.h"

#include "data/TextSerializer.h"
#include "graphics/Camera.h"

#include <algorithm>

namespace Framework
{

Parallax::~Parallax()
{
    Destroy();
}

void Parallax::Initialize()
{
    auto& list = CAMERA.m_ParallaxObjects;
    if (Owner != nullptr && std::find(list.begin(), list.end(), Owner) == list.end())
    {
        list.push_back(Owner);
    }
}

IComponent* Parallax::Clone() const
{
    auto* copy = new Parallax();
    copy->m_Parallax = m_Parallax;
    copy->m_OffsetX = m_OffsetX;
    copy->m_OffsetY = m_OffsetY;
    return copy;
}

void Parallax::Destroy()
{
    if (Owner != nullptr)
    {
        std::erase(CAMERA.m_ParallaxObjects, Owner);
    }
}

void Parallax::Serialize(TextSerializer& reader, const std::string& blockName)
{
    reader.EnterBlock(blockName);
    reader.ReadBool("m_Parallax", m_Parallax);
    reader.ReadScalarField(m_OffsetX);
    reader.ReadScalarField(m_OffsetY);
    reader.SkipSeparator();
}

void Parallax::Write(TextWriter& writer, const std::string& blockName) const
{
    writer.BeginBlock(blockName);
    writer.WriteBool("m_Parallax", m_Parallax);
    writer.WriteSeparator();
    writer.WriteNumber("m_OffsetX", m_OffsetX);
    writer.WriteSeparator();
    writer.WriteNumber("m_OffsetY", m_OffsetY);
    writer.EndBlock();
}

} // namespace Framework
