#include "check/DataChecker.h"

#include "actors/GameLogicComponent.h"
#include "data/ComponentRegistry.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "gameflow/EnemyTriggers.h"
#include "gameflow/Triggers.h"
#include "graphics/CustomShape.h"
#include "graphics/Emitter.h"
#include "graphics/FontComponent.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/Parallax.h"
#include "graphics/ResourceManager.h"
#include "graphics/SetDefaultAnimation.h"
#include "physics/Body.h"
#include "ui/PauseComponent.h"
#include "ui/ScrollComponent.h"

#include <cmath>
#include <sstream>

namespace Framework
{

namespace
{
constexpr Finding::Severity kError = Finding::Severity::Error;
constexpr Finding::Severity kWarning = Finding::Severity::Warning;

// Triggers that belong on solid things: the hero is meant to stand on, bump into or be hurt by them.
const std::set<std::string> kSolidTriggers = {"MovingPlatformTrigger", "DeathTrigger", "ReverseVelocityTrigger",
                                              "KibbetBounceTrigger",   "TrapTrigger",  "AttackTrigger"};

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

float Number(const DataNode* node)
{
    return node != nullptr && node->Type == DataNode::Kind::Number ? TextSerializer::StringToFloat(node->Text) : 0.0f;
}

const DataNode* Field(const DataNode& block, size_t index)
{
    return index < block.Children.size() ? &block.Children[index] : nullptr;
}
} // namespace

DataNode ComponentSchema(const ComponentKind& kind)
{
    // A fresh component of every kind, made directly: the schema needs its Write only, not a system's list.
    std::unique_ptr<IComponent> component;
#define KIBBET_SCHEMA_COMPONENT(Class, Accessor, Source, Level)                                                        \
    if (component == nullptr && std::string(kind.Name) == Class::TypeName)                                             \
    {                                                                                                                  \
        component = std::make_unique<Class>();                                                                         \
    }
    KIBBET_COMPONENT_KINDS(KIBBET_SCHEMA_COMPONENT)
#undef KIBBET_SCHEMA_COMPONENT
    if (!component)
    {
        return {};
    }
    std::ostringstream text;
    TextWriter writer(text);
    text << "{\n";
    component->Write(writer, kind.Name);
    text << "\n}\n";
    DataTree tree = DataTree::Parse(text.str());
    return tree.Error.empty() && !tree.Root.Children.empty() ? tree.Root.Children[0] : DataNode();
}

void DataChecker::CheckBlockShape(const std::string& file, const DataNode& data, const DataNode& schema,
                                  const std::string& where)
{
    if (schema.Type != DataNode::Kind::Block || schema.Children.empty())
    {
        return;
    }
    const size_t want = schema.Children.size();
    for (size_t i = 0; i < want && i < data.Children.size(); ++i)
    {
        const DataNode& have = data.Children[i];
        const DataNode& expect = schema.Children[i];
        if (have.Type != expect.Type)
        {
            Report(file, have.NameAt, kError,
                   "field " + std::to_string(i + 1) + " of " + where + " (\"" + have.Name + "\") is " +
                       DescribeKind(have.Type) + " where the game reads " + DescribeKind(expect.Type) + " (\"" +
                       expect.Name + "\")");
            return;
        }
        if (have.Type == DataNode::Kind::Block)
        {
            CheckBlockShape(file, have, expect, "\"" + have.Name + "\"");
        }
    }
    if (data.Children.size() != want)
    {
        bool missing = data.Children.size() < want;
        const std::string& name = schema.Children[std::min(data.Children.size(), want - 1)].Name;
        Report(file, missing ? data.At : data.Children[want].NameAt, kError,
               where + " has " + std::to_string(data.Children.size()) + " fields where the game reads " +
                   std::to_string(want) + (missing ? " (\"" + name + "\" is missing)" : "") +
                   "; the fields after it are read from the wrong tokens");
    }
}

void DataChecker::CheckSounds(const std::string& file, const DataNode& node)
{
    for (const DataNode& child : node.Children)
    {
        if (child.IsContainer())
        {
            CheckSounds(file, child);
            continue;
        }
        if (child.Type != DataNode::Kind::String || child.Text.empty())
        {
            continue;
        }
        bool named =
            child.Name == "m_TrackName" || child.Text.rfind("SFX_", 0) == 0 || child.Text.rfind("BGM_", 0) == 0;
        if (named && !SoundExists(child.Text))
        {
            Report(file, child.At, kError, "sound \"" + child.Text + "\" is not in Audio/ (.wav or .mp3)");
        }
    }
}

void DataChecker::CheckPolygon(const std::string& file, const DataNode& component, const DataNode* list, bool shape)
{
    const std::string what = shape ? "the custom shape's outline" : "the body's polygon";
    if (list == nullptr || list->Type != DataNode::Kind::List)
    {
        Report(file, component.NameAt, kError, what + " has no vertex list");
        return;
    }
    std::vector<std::pair<float, float>> v;
    for (const DataNode& vertex : list->Children)
    {
        v.emplace_back(Number(vertex.Find("x")), Number(vertex.Find("y")));
    }
    if (v.size() < 3)
    {
        Report(file, list->NameAt, kError,
               what + " has " + std::to_string(v.size()) + " vertices; it needs at least three");
        return;
    }
    for (size_t k = 0; k < v.size(); ++k)
    {
        const auto& a = v[k];
        const auto& b = v[(k + 1) % v.size()];
        if (a == b)
        {
            Report(file, list->Children[(k + 1) % v.size()].NameAt, kError,
                   what + " has an edge of zero length (vertices " + std::to_string(k + 1) + " and " +
                       std::to_string((k + 1) % v.size() + 1) + " are the same point)");
            return;
        }
    }
    if (!shape)
    {
        return;
    }
    // The game draws the outline as a fan of triangles (0, k-1, k) and culls the ones that run counter-clockwise
    // on screen (y up), so every triangle of the fan must turn clockwise.
    double area = 0.0;
    for (size_t k = 0; k < v.size(); ++k)
    {
        const auto& a = v[k];
        const auto& b = v[(k + 1) % v.size()];
        area += static_cast<double>(a.first) * b.second - static_cast<double>(b.first) * a.second;
    }
    if (area >= 0.0)
    {
        Report(file, list->NameAt, kError,
               what + " runs counter-clockwise on screen (y up); the game draws only clockwise outlines");
        return;
    }
    for (size_t k = 2; k < v.size(); ++k)
    {
        double ax = v[k - 1].first - v[0].first;
        double ay = v[k - 1].second - v[0].second;
        double bx = v[k].first - v[0].first;
        double by = v[k].second - v[0].second;
        if (ax * by - ay * bx > 1e-6)
        {
            Report(file, list->Children[k].NameAt, kError,
                   what + " is not a fan around its first vertex: the triangle of vertices 1, " + std::to_string(k) +
                       " and " + std::to_string(k + 1) + " turns counter-clockwise and is not drawn");
            return;
        }
    }
}

void DataChecker::CheckGraphics(const std::string& file, const DataNode& component, std::set<std::string>& animations)
{
    for (const DataNode& field : component.Children)
    {
        if (field.Name == "m_pSprite")
        {
            for (const DataNode& sprite : field.Children)
            {
                if (sprite.Type != DataNode::Kind::String)
                {
                    continue;
                }
                if (m_Tables->m_Dimensions.count(sprite.Text) == 0)
                {
                    Report(file, sprite.At, kError,
                           "sprite \"" + sprite.Text + "\" is not in Dimensions.json: it has no size");
                }
                else if (m_Tables->m_UVMap.count(sprite.Text) == 0)
                {
                    Report(file, sprite.At, kWarning,
                           "sprite \"" + sprite.Text + "\" is not in UV.json: blank until an animation plays");
                }
            }
        }
        else if (field.Name == "m_pAnimation" && field.Find("m_UVmap") != nullptr)
        {
            for (const DataNode& animation : field.Find("m_UVmap")->Children)
            {
                animations.insert(animation.Name);
                for (const DataNode& frame : animation.Children)
                {
                    if (frame.Type == DataNode::Kind::String && m_Tables->m_UVMap.count(frame.Text) == 0)
                    {
                        Report(file, frame.At, kError,
                               "frame \"" + frame.Text + "\" of animation \"" + animation.Name +
                                   "\" is not in UV.json");
                    }
                }
            }
        }
        else if (field.Type == DataNode::Kind::String && field.Name.rfind("m_zOrder", 0) == 0 &&
                 m_Tables->m_ZOrders.count(field.Text) == 0)
        {
            Report(file, field.At, kError, "layer \"" + field.Text + "\" is not in ZOrders.json");
        }
    }
}

void DataChecker::CheckComponent(const std::string& file, const DataNode& component, ObjectTypeFacts& facts,
                                 std::set<std::string>& animations, std::vector<const DataNode*>& animationUses)
{
    const std::string& name = component.Name;
    facts.Components.insert(name);
    if (component.Type != DataNode::Kind::Block)
    {
        Report(file, component.At, kError, "component \"" + name + "\" must be a block");
        return;
    }
    auto schema = m_Schemas.find(name);
    if (schema != m_Schemas.end())
    {
        CheckBlockShape(file, component, schema->second, "\"" + name + "\"");
    }
    CheckSounds(file, component);

    if (name == "Transform")
    {
        const DataNode* position = Field(component, 0);
        if (position != nullptr && position->Type == DataNode::Kind::Block)
        {
            facts.X = Number(position->Find("x"));
            facts.Y = Number(position->Find("y"));
        }
    }
    else if (name == "Graphics")
    {
        CheckGraphics(file, component, animations);
    }
    else if (name == "SetDefaultAnimation" || name == "TrapTrigger")
    {
        for (const DataNode& field : component.Children)
        {
            if (field.Type == DataNode::Kind::String && (field.Name == "m_Default" || field.Name == "m_TrapAnimation"))
            {
                animationUses.push_back(&field);
            }
        }
    }
    else if (name == "Body")
    {
        facts.HasBody = true;
        const DataNode* gravity = component.Find("m_Gravity");
        if (gravity != nullptr)
        {
            facts.GravityX = Number(gravity->Find("x"));
            facts.GravityY = Number(gravity->Find("y"));
        }
        facts.Mass = Number(component.Find("m_Mass"));
        const DataNode* polygon = component.Find("m_Polygon");
        CheckPolygon(file, component, polygon != nullptr ? polygon->Find("m_Offsets") : nullptr, false);
    }
    else if (name == "CustomShape")
    {
        const DataNode* texture = component.Find("m_TextureName");
        if (texture != nullptr && m_Tables->m_CustomShapes.count(texture->Text) == 0)
        {
            Report(file, texture->At, kError, "shape \"" + texture->Text + "\" is not in CustomShapes.json");
        }
        CheckPolygon(file, component, component.Find("m_VertexesOffset"), true);
    }
}

void DataChecker::CheckObjectRules(const std::string& file, SourceLocation at, const ObjectTypeFacts& facts,
                                   const std::string& what)
{
    bool isStatic = facts.HasBody && facts.Mass <= 0.0f;
    for (const std::string& name : facts.Components)
    {
        if (!EndsWith(name, "Trigger") || kSolidTriggers.count(name) != 0)
        {
            continue;
        }
        if (!facts.HasBody)
        {
            Report(file, at, kWarning, what + " has a " + name + " but no Body, so nothing ever touches it");
        }
        else if (isStatic)
        {
            Report(file, at, kError,
                   what + " has a " + name +
                       " on a static body (m_Mass 0): the hero stands on it instead of entering it; give the body "
                       "a mass and no gravity");
        }
    }
    if (facts.Components.count("Enemy") != 0 && facts.HasBody && (facts.GravityX != 0.0f || facts.GravityY != 0.0f))
    {
        Report(file, at, kError,
               what + " is an enemy with gravity: only the hero is held up by the ground, so it falls out of the "
                      "level");
    }
}

} // namespace Framework
