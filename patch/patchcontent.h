#pragma once

#include "patch/patchrecord.h"

// One file entry of a patch package: "path", and for modified files "size", "sha1_old", "sha1_new".
class PatchContent : public PatchRecord
{
};
