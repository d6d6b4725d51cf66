// A DLL that stands beside the test program the way a planted one would
// stand beside picoron.exe.
extern "C" __declspec(dllexport) int PlantedProbe() { return 1; }
