#pragma once

// Registers the group, region, task and scheme pages with the main window's page factory.
void registerTaskPages();
