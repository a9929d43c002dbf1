// Replaced as synchronisation grows.
