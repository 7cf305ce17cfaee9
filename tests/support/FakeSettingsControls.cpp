// Empty on purpose: the fuzz and benchmark builds still name this file in their source
// lists. Their settings controls are main/PlainSettingsControls now; this file goes when
// those lists drop it.
