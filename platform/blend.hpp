#pragma once
// Blend modes, the numbers every blend parameter of the drawing layer and the kit takes.
enum BlendMode : int { MASKBLEND = 1, SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4, SHADEBLEND = 5 };
