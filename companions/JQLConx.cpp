#include "companions/JQLConx.h"

IMPLEMENT_RUNTIMECLASS_RECORD(TJQBaseParaDados, CObject, 0xFFFF, nullptr)
