#pragma once

// What a dialog's OK writes for one field: the stored value while the widget
// still shows what it showed when the dialog opened (a stored value the widget
// cannot hold, clamped or substituted, goes back unchanged), else the entered one.
template <class T>
T kyKeptValue(const T& stored, const T& shown, const T& entered)
{
    return entered == shown ? stored : entered;
}
