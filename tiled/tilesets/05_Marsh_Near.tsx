<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="05_Marsh_Near" tilewidth="2048" tileheight="640" tilecount="1" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="1"/>
 </properties>
 <tile id="0">
  <image width="2048" height="640" source="05_Marsh_Near/Trees_Marsh.png"/>
 </tile>
</tileset>
