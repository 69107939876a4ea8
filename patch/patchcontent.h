#pragma once

#include "app/jsonwrapper.h"

// One file entry of a patch package: "path", and for modified files "size", "sha1_old", "sha1_new".
class PatchContent : public JsonWrapper
{
};
