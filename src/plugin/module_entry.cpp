// module_entry.cpp - the shared library AAPVantrel.so.
//
// The module is the plug-in boundary's static library linked whole into one
// shared object; a version script exports exactly the ten AAP_ functions.
// Nothing of the module's own logic runs when it is loaded or unloaded: the
// converter state is constructed empty at load and, at unload, releases what
// it still holds (a scratch budget database left by an unfinished import).
