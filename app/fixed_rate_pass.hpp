#pragma once

// One pass of the fixed-rate loop shared by the saver and the configuration screen: the logic
// steps due since the previous pass, whole ones with delta 1 and a remaining fraction with its
// own delta, each with the kit's FrameDelta set to the step's milliseconds of scene time.
void RunFixedRateSteps(void (*logic)());
