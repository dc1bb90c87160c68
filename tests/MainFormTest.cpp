#include "WidgetTestSupport.h"

#include "ui/Main.h"

int x;
