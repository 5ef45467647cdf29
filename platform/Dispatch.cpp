#include "Dispatch.h"

void TMessageTarget::DefaultHandler(TMessage &)
{ }
