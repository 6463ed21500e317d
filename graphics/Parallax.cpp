#include "graphics/Parallax.h"

#include "data/FieldList.h"
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

void Parallax::DescribeFields(FieldList& fields)
{
    fields.Bool("m_Parallax", m_Parallax);
    fields.Number("m_OffsetX", m_OffsetX);
    fields.Number("m_OffsetY", m_OffsetY);
}

} // namespace Framework
