<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="03_Marsh_Sky" tilewidth="1600" tileheight="900" tilecount="1" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="1"/>
 </properties>
 <tile id="0">
  <image width="1600" height="900" source="03_Marsh_Sky/Sky_Marsh.png"/>
 </tile>
</tileset>
