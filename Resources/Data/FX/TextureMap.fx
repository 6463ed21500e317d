// Kibbet's effect file: GLSL 3.30 core, one section per entry point. A section starts at a line
// "@entry NAME" and runs to the next such line. The vertex shader multiplies the position, as a row
// vector, by the camera matrix. Colour channels: g is the fade (1 no fade, 0 black), a the opacity;
// for sprites and shapes b says how strongly the fade applies.
//
// PS_Plain draws sprites and shapes whose tint is white and opaque: the texel as it is. Mesa's llvmpipe then
// draws screen-aligned rectangles with its 8-bit span code, several times cheaper than its general path;
// PS_Main and PS_Particle clamp their result, which keeps them off that path: it dropped tinted draws.

@entry VS_Main
#version 330 core
layout(location = 0) in vec3 POSITION;
layout(location = 1) in vec4 COLOR;
layout(location = 2) in vec2 TEXCOORD;
uniform mat4 ViewProjection;
out vec4 vColour;
out vec4 vTint;
out vec2 vTexCoord;
void main()
{
    gl_Position = vec4(POSITION, 1.0) * ViewProjection;
    vColour = COLOR;
    vTint = vec4(vec3(mix(1.0, COLOR.g, COLOR.b)), COLOR.a);
    vTexCoord = TEXCOORD;
}

@entry PS_Main
#version 330 core
in vec4 vTint;
in vec2 vTexCoord;
uniform sampler2D Texture;
out vec4 FragColour;
void main()
{
    FragColour = clamp(texture(Texture, vTexCoord) * vTint, 0.0, 1.0);
}

@entry PS_Plain
#version 330 core
in vec2 vTexCoord;
uniform sampler2D Texture;
out vec4 FragColour;
void main()
{
    FragColour = texture(Texture, vTexCoord);
}

@entry PS_Degub_Main
#version 330 core
in vec4 vColour;
in vec2 vTexCoord;
out vec4 FragColour;
void main()
{
    FragColour = clamp(vColour, 0.0, 1.0);
}

@entry PS_Particle
#version 330 core
in vec4 vColour;
in vec2 vTexCoord;
uniform sampler2D Texture;
out vec4 FragColour;
void main()
{
    vec4 texel = texture(Texture, vTexCoord);
    FragColour = clamp(vec4(texel.rgb * vColour.g, texel.a * vColour.a), 0.0, 1.0);
}
