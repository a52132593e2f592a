#pragma once

// A core header reaching up into the store: the layer check must refuse it.
#include "store/XmlDocument.h"
