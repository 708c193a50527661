#pragma once

// Makes every file of the assets folder openable as "incbin::" + its file name.
void RegisterEmbeddedResources();
