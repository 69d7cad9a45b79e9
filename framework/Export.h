// Classes and operations the module exports to its hosts; everything else stays inside.
#pragma once

#define TESSALY_API __attribute__((visibility("default")))
