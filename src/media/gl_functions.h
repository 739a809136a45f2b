// The OpenGL 3.3 core entry points the renderer uses, loaded at run time through the window
// library so nothing links against a particular GL library's exports.
#pragma once

#include <GL/glcorearb.h>

#define KELVAROTH_GL_FUNCTIONS(X)                                \
  X(PFNGLGETERRORPROC, glGetError)                               \
  X(PFNGLGETSTRINGPROC, glGetString)                             \
  X(PFNGLGETINTEGERVPROC, glGetIntegerv)                         \
  X(PFNGLVIEWPORTPROC, glViewport)                               \
  X(PFNGLSCISSORPROC, glScissor)                                 \
  X(PFNGLENABLEPROC, glEnable)                                   \
  X(PFNGLDISABLEPROC, glDisable)                                 \
  X(PFNGLBLENDFUNCPROC, glBlendFunc)                             \
  X(PFNGLCLEARPROC, glClear)                                     \
  X(PFNGLCLEARCOLORPROC, glClearColor)                           \
  X(PFNGLFINISHPROC, glFinish)                                   \
  X(PFNGLPIXELSTOREIPROC, glPixelStorei)                         \
  X(PFNGLREADPIXELSPROC, glReadPixels)                           \
  X(PFNGLGENTEXTURESPROC, glGenTextures)                         \
  X(PFNGLDELETETEXTURESPROC, glDeleteTextures)                   \
  X(PFNGLBINDTEXTUREPROC, glBindTexture)                         \
  X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                     \
  X(PFNGLTEXIMAGE2DPROC, glTexImage2D)                           \
  X(PFNGLTEXSUBIMAGE2DPROC, glTexSubImage2D)                     \
  X(PFNGLTEXPARAMETERIPROC, glTexParameteri)                     \
  X(PFNGLGENERATEMIPMAPPROC, glGenerateMipmap)                   \
  X(PFNGLGENBUFFERSPROC, glGenBuffers)                           \
  X(PFNGLDELETEBUFFERSPROC, glDeleteBuffers)                     \
  X(PFNGLBINDBUFFERPROC, glBindBuffer)                           \
  X(PFNGLBUFFERDATAPROC, glBufferData)                           \
  X(PFNGLBUFFERSUBDATAPROC, glBufferSubData)                     \
  X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                 \
  X(PFNGLDELETEVERTEXARRAYSPROC, glDeleteVertexArrays)           \
  X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)                 \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray) \
  X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)         \
  X(PFNGLDRAWELEMENTSPROC, glDrawElements)                       \
  X(PFNGLDRAWELEMENTSBASEVERTEXPROC, glDrawElementsBaseVertex)   \
  X(PFNGLCREATESHADERPROC, glCreateShader)                       \
  X(PFNGLDELETESHADERPROC, glDeleteShader)                       \
  X(PFNGLSHADERSOURCEPROC, glShaderSource)                       \
  X(PFNGLCOMPILESHADERPROC, glCompileShader)                     \
  X(PFNGLGETSHADERIVPROC, glGetShaderiv)                         \
  X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)               \
  X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                     \
  X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                     \
  X(PFNGLATTACHSHADERPROC, glAttachShader)                       \
  X(PFNGLBINDATTRIBLOCATIONPROC, glBindAttribLocation)           \
  X(PFNGLLINKPROGRAMPROC, glLinkProgram)                         \
  X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                       \
  X(PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog)             \
  X(PFNGLUSEPROGRAMPROC, glUseProgram)                           \
  X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)           \
  X(PFNGLUNIFORM1IPROC, glUniform1i)                             \
  X(PFNGLUNIFORM4FPROC, glUniform4f)                             \
  X(PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers)                 \
  X(PFNGLDELETEFRAMEBUFFERSPROC, glDeleteFramebuffers)           \
  X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                 \
  X(PFNGLFRAMEBUFFERTEXTURE2DPROC, glFramebufferTexture2D)       \
  X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus)   \
  X(PFNGLBLITFRAMEBUFFERPROC, glBlitFramebuffer)

namespace media_internal {

struct GlFunctions {
#define KELVAROTH_GL_MEMBER(type, name) type name = nullptr;
  KELVAROTH_GL_FUNCTIONS(KELVAROTH_GL_MEMBER)
#undef KELVAROTH_GL_MEMBER

  // Loads every entry point from the current context; false (naming the first missing one in
  // `missing`) when the context lacks any of them.
  bool Load(const char** missing);
};

}  // namespace media_internal
