ulvex2.exe +connect "10.0.0.1:27910" more words +exec config.cfg
