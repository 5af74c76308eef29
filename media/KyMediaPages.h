#pragma once

// Registers the media library page with the main window's page factory.
void registerMediaPages();
