# Log panel and log view.
