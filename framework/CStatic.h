#pragma once
// Static control: a label, frame or bar; text and geometry come from the window.

#include "framework/CWnd.h"

class CStatic : public CWnd
{
};
