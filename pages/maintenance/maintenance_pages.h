#pragma once
// The menu entries the maintenance pages serve (the Tools menu).

void RegisterMaintenancePages();
