// The light and material state a frame sets, read back from GL.
#include <GL/glew.h>

#include "GlFixture.h"

#include "Camera.h"

#include <cmath>

using LightingTest = GlTest;

TEST_F(LightingTest, SpecularFollowsTheFirstMeshAndTheLightColour) {
    ViewState s;
    s.LightColor = ColorRGBA{255, 0, 0, 255};
    MeshParams mesh;
    mesh.Specular = 1;
    mesh.SpecularFactor = 0.5f;
    SetupLighting(s, &mesh);
    GLfloat v[4] = {};
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, v);
    EXPECT_FLOAT_EQ(v[0], 0.5f);
    EXPECT_FLOAT_EQ(v[1], 0.0f);
    EXPECT_FLOAT_EQ(v[3], 1.0f);
    glGetMaterialfv(GL_BACK, GL_SHININESS, v);
    EXPECT_FLOAT_EQ(v[0], 64.0f);
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, v);
    EXPECT_FLOAT_EQ(v[0], 1.0f);
    EXPECT_FLOAT_EQ(v[1], 0.0f);
    glGetLightfv(GL_LIGHT0, GL_SPOT_CUTOFF, v);
    EXPECT_FLOAT_EQ(v[0], 180.0f);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, v);
    EXPECT_FLOAT_EQ(v[1], 0.32f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));

    mesh.Specular = 0;
    SetupLighting(s, &mesh);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, v);
    EXPECT_FLOAT_EQ(v[0], 0.0f);
    EXPECT_FLOAT_EQ(v[3], 0.0f);
    DisableLighting();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
}

TEST_F(LightingTest, LightPositionUsesTheViewersFrame) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ViewState s;
    s.LightRotate = 90.0f;
    PlaceLight(s);
    GLfloat p[4] = {};
    glGetLightfv(GL_LIGHT0, GL_POSITION, p);
    EXPECT_NEAR(p[0], 100.0f, 1e-3f);
    EXPECT_NEAR(p[2], 0.0f, 1e-3f);
    EXPECT_FLOAT_EQ(p[3], 1.0f);

    // 6.28 rather than 2 pi: a pitch of 90 leaves the light slightly off the vertical.
    s.LightRotate = 0.0f;
    s.LightPitch = 90.0f;
    PlaceLight(s);
    glGetLightfv(GL_LIGHT0, GL_POSITION, p);
    EXPECT_NEAR(p[1], 100.0f, 1e-3f);
    EXPECT_NEAR(p[2], 100.0f * std::cos(1.57f), 1e-4f);
}
