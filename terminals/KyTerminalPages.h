#pragma once

// Registers the terminal pages with the main window's page factory.
void registerTerminalPages();
