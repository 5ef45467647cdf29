#pragma once

// Sets up the application object the same way for the program and its tests:
// one widget style everywhere, the program's icon.
void ApplicationInitialize();
