#include "connection/ConnectionService.h"
