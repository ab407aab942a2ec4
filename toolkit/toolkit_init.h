#pragma once
namespace tk {
// Loads the common controls (version 6 through the manifest) once per process.
void initialise();
}
