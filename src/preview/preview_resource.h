// Resource ids of the preview, shared by the code and the resource script.
#ifndef KOVARO_PREVIEW_PREVIEW_RESOURCE_H
#define KOVARO_PREVIEW_PREVIEW_RESOURCE_H

// RCDATA: the preview picture (a JPEG file's bytes).
#define KOVARO_PREVIEW_PICTURE 601

#ifdef RC_INVOKED
// KOVARO_PREVIEW_PICTURE_FILE: where the build put the picture.
#include "preview_picture_file.h"
#endif

#endif
