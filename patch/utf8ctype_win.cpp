#include "patch/utf8ctype.h"

struct Utf8Ctype::Switch
{
};

Utf8Ctype::Utf8Ctype() = default;

Utf8Ctype::~Utf8Ctype() = default;
